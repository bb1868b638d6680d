// Cloud reporting against a real HTTP and WebSocket service on loopback:
// registration, the device record, work records, the job status channel,
// and what happens when the service misbehaves.
#include "cloud_service.h"
#include "vxcommoninterface_p.h"
#include "event_wait.h"
#include "memory_use.h"
#include "raw_channel.h"
#include "scratch_dir.h"
#include "controller_simulator.h"
#include "job_status_p.h"
#include "morvocloud.h"
#include "test_text.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"

#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QRegularExpression>
#include <QtCore/QScopedPointer>
#include <QtCore/QRandomGenerator>
#include <QtCore/QTemporaryDir>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

namespace {

QJsonObject parse(const QString &text)
{
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

} // namespace

static void lookup_retry_every(int milliseconds, QScopedPointer<VXDeviceInterface> &device)
{
    VXCommonInterfacePrivate::get(static_cast<VXCommonInterface *>(device.data()))->cloud.set_lookup_retry_interval(milliseconds);
}

class tst_cloud : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void model_number_data();
    void model_number();
    void binding_without_client();
    void new_device_is_created_then_found();
    void model_lookup();
    void failure_answers_data();
    void failure_answers();
    void lookup_retried_while_service_is_silent();
    void destroyed_with_requests_in_flight();
    void client_deleted_before_the_device();
    void work_record_conditions_data();
    void work_record_conditions();
    void work_record_members();
    void job_status_message_data();
    void job_status_message();
    void channel_answers_new_texts();
    void channel_error_is_reported();
    void channel_stays_bounded_data();
    void channel_stays_bounded();
    void job_reported_while_it_runs_data();
    void job_reported_while_it_runs();

private:
    bool register_device(const QString &code);
    void prepare_finished_job(int copies, int finished, int path_length);

    VXLT3050PROCam m_root;
    QTemporaryDir m_outbox_dir{scratch_template(QStringLiteral("tst_cloud"))};
    int m_outboxes = 0;
    QScopedPointer<CloudService> m_service;
    QScopedPointer<MorvoCloud> m_cloud;
    QScopedPointer<VXDeviceInterface> m_device;
};

void tst_cloud::init()
{
    m_service.reset(new CloudService);
    // An outbox of its own: what one test left unanswered must not reach the next one's service.
    m_cloud.reset(new MorvoCloud(m_service->http_base(), m_service->websocket_base(),
                                 m_outbox_dir.filePath(QStringLiteral("outbox-%1.sqlite").arg(++m_outboxes))));
    m_cloud->setRequestTimeout(500);
    m_device.reset(m_root.initInstance());
    lookup_retry_every(50, m_device);
}

void tst_cloud::cleanup()
{
    m_device.reset();
    m_cloud.reset();
    m_service.reset();
}

bool tst_cloud::register_device(const QString &code)
{
    m_device->setMorvoCloud(m_cloud.data(), code);
    return wait_until([this] {
        return m_device->property_ptr("DEVICE_CLOUD")->value().toJsonObject().contains("id");
    });
}

void tst_cloud::model_number_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("number");
    QTest::newRow("AB1Z09") << "AB1Z09" << 92025;
    QTest::newRow("lower case alike") << "ab1z09" << 92025;
    QTest::newRow("A0001") << "A0001" << 1;
    QTest::newRow("one character") << "X" << 0;
    QTest::newRow("two characters") << "XY" << 0;
    QTest::newRow("three characters") << "XYC" << 12;
    QTest::newRow("only four are read") << "AB00010" << 1;
}

void tst_cloud::model_number()
{
    QFETCH(QString, code);
    QTEST(vx::model_number(code), "number");
}

void tst_cloud::binding_without_client()
{
    m_device->property_ptr("FIRMWARE")->setValue(QStringLiteral("V3.4"));
    m_device->property_ptr("DEVICE_ID")->setValue(QStringLiteral("SN-1"));
    m_device->setMorvoCloud(nullptr, QStringLiteral("AB1Z09"));
    QCOMPARE(m_device->property_ptr("DEVICE_CLOUD")->value().toJsonObject(),
             QJsonObject({{"code", "AB1Z09"}, {"pcb", ""}, {"version", "V3.4"},
                          {"device_id", "SN-1"}, {"online", true}}));
    run_events_for(30);
    QVERIFY(m_service->requests.isEmpty());
}

void tst_cloud::new_device_is_created_then_found()
{
    QVERIFY(register_device(QStringLiteral("AB1Z09")));
    QCOMPARE(m_service->count("GET", "device"), 1);
    QCOMPARE(m_service->count("PATCH", "device_model"), 1);
    QCOMPARE(m_service->count("POST", "device_model"), 1);
    QCOMPARE(m_device->property_ptr("DEVICE_CLOUD")->value().toJsonObject().value("id").toInt(), 100);
    run_events_for(30);
    QCOMPARE(m_service->count("PUT", "device"), 0); // no update follows a creation
    const QJsonObject created = m_service->device_store.value("AB1Z09");
    QCOMPARE(created.value("online").toBool(), true);

    // Bound again: found this time, and the record (with its id) is updated.
    m_device->setMorvoCloud(m_cloud.data(), QStringLiteral("AB1Z09"));
    VX_TRY_COMPARE(m_service->count("PUT", "device"), 1);
    QCOMPARE(m_service->device_store.value("AB1Z09").value("id").toInt(), 100);
    QCOMPARE(m_service->count("POST", "device_model"), 1);
}

void tst_cloud::model_lookup()
{
    m_cloud->setBearerToken("secret-token");
    m_service->add_model(92025, 7);
    m_service->add_device(QStringLiteral("AB1Z09"), 42);
    m_device->setMorvoCloud(m_cloud.data(), QStringLiteral("AB1Z09"));
    VX_TRY_COMPARE(m_service->count("PUT", "device"), 1);
    VX_TRY_COMPARE(m_device->property_ptr("DEVICE_CLOUD")->value().toJsonObject().value("device_model").toInt(), 7);
    // The model lookup goes out with the device lookup, on a connection of
    // its own: which arrives first is the network's choice.
    QCOMPARE(m_service->count("PATCH", "device_model"), 1);
    for (const CloudService::Request &r : qAsConst(m_service->requests)) {
        if (r.verb == "PATCH")
            QCOMPARE(r.body, QJsonObject({{"code", 92025}}));
    }
    QCOMPARE(m_device->property_ptr("DEVICE_CLOUD")->value().toJsonObject().value("id").toInt(), 42);
    for (const CloudService::Request &r : qAsConst(m_service->requests))
        QCOMPARE(r.authorization, QByteArray("Bearer secret-token"));
}

void tst_cloud::failure_answers_data()
{
    QTest::addColumn<int>("behaviour");
    QTest::addColumn<bool>("registered");
    QTest::addColumn<int>("id");
    QTest::newRow("server error: nothing") << int(CloudService::Behaviour::ServerError) << false << 0;
    QTest::newRow("not JSON: id 0") << int(CloudService::Behaviour::NotJson) << true << 0;
}

void tst_cloud::failure_answers()
{
    QFETCH(int, behaviour);
    QFETCH(bool, registered);
    m_service->add_device(QStringLiteral("AB1Z09"), 42);
    m_service->set_behaviour(CloudService::Behaviour(behaviour));
    // The model's lookup may go again while the device's is answered: what
    // is counted is that the answered device lookup does not.
    lookup_retry_every(100, m_device);
    m_device->setMorvoCloud(m_cloud.data(), QStringLiteral("AB1Z09"));
    VX_TRY_VERIFY(m_service->count("GET", "device") == 1 && m_service->requests.size() >= 2);
    run_events_for(200); // two lookup retry intervals
    const QJsonObject record = m_device->property_ptr("DEVICE_CLOUD")->value().toJsonObject();
    QCOMPARE(record.contains("id"), registered);
    QTEST(record.value("id").toInt(), "id");
    QCOMPARE(m_service->count("GET", "device"), 1); // answered: no retry
}

void tst_cloud::lookup_retried_while_service_is_silent()
{
    lookup_retry_every(20, m_device);
    m_service->set_behaviour(CloudService::Behaviour::CloseWithoutAnswer);
    m_device->setMorvoCloud(m_cloud.data(), QStringLiteral("AB1Z09"));
    VX_TRY_VERIFY(m_service->count("GET", "device") >= 3);
    for (const CloudService::Request &r : qAsConst(m_service->requests)) {
        if (r.verb == "GET")
            QCOMPARE(r.body, QJsonObject({{"code", "AB1Z09"}}));
    }
    // The service comes back: the next retry registers the device.
    m_service->set_behaviour(CloudService::Behaviour::Normal);
    VX_TRY_VERIFY(m_device->property_ptr("DEVICE_CLOUD")->value().toJsonObject().contains("id"));

    // A service that never answers: the client gives up and the lookup is retried.
    init();
    lookup_retry_every(20, m_device);
    m_service->set_behaviour(CloudService::Behaviour::Silent);
    m_cloud->setRequestTimeout(50);
    m_device->setMorvoCloud(m_cloud.data(), QStringLiteral("AB1Z09"));
    VX_TRY_VERIFY(m_service->count("GET", "device") >= 2);
}

void tst_cloud::destroyed_with_requests_in_flight()
{
    m_service->set_behaviour(CloudService::Behaviour::Silent);
    m_cloud->setRequestTimeout(30);
    m_device->setMorvoCloud(m_cloud.data(), QStringLiteral("AB1Z09"));
    VX_TRY_COMPARE(m_service->requests.size(), 2);
    m_device.reset(); // the replies time out after the device is gone
    run_events_for(60);

    // And with a retry pending.
    m_service->requests.clear();
    m_device.reset(m_root.initInstance());
    lookup_retry_every(60, m_device);
    m_service->set_behaviour(CloudService::Behaviour::CloseWithoutAnswer);
    m_device->setMorvoCloud(m_cloud.data(), QStringLiteral("AB1Z09"));
    VX_TRY_VERIFY(m_service->count("GET", "device") >= 1);
    run_events_for(30); // the client may resend a closed request once by itself
    m_device.reset();
    const int asked = m_service->count("GET", "device");
    run_events_for(130); // two retry intervals: none may fire for a destroyed device
    QCOMPARE(m_service->count("GET", "device"), asked);
}

// The client is the host's: the device treats a deleted one as none.
void tst_cloud::client_deleted_before_the_device()
{
    m_service->set_behaviour(CloudService::Behaviour::CloseWithoutAnswer);
    lookup_retry_every(25, m_device);
    m_device->setMorvoCloud(m_cloud.data(), QStringLiteral("AB1Z09"));
    VX_TRY_VERIFY(m_service->count("GET", "device") >= 1);
    m_cloud.reset();
    run_events_for(60); // the lookup retry comes due, twice
    prepare_finished_job(2, 1, 1200);
    m_device->stopTask();
    static_cast<VXCommonInterface *>(m_device.data())->connect_websocket();
    run_events_for(30);
    QVERIFY(m_service->work_records.isEmpty());
    QVERIFY(m_service->channel_paths.isEmpty());
}

void tst_cloud::prepare_finished_job(int copies, int finished, int path_length)
{
    m_device->property_ptr("TASK_MODE")->setValue(1);
    m_device->property_ptr("WORK_MODE")->setValue(2u);
    m_device->property_ptr("TASK_FILE_INFO")->setValue(
        QJsonObject({{"heigth", 300}, {"width", 200}, {"path_length", path_length}}));
    m_device->startTask(); // not connected: nothing is sent, the start time is set
    QJsonObject task = m_device->property_ptr("TASK")->value().toJsonObject();
    task.insert("TaskCopies", copies);
    task.insert("Finished", finished);
    m_device->property_ptr("TASK")->setValue(task);
}

void tst_cloud::work_record_conditions_data()
{
    QTest::addColumn<bool>("registered");
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("finished");
    QTest::addColumn<int>("path_length");
    QTest::addColumn<int>("records");
    QTest::newRow("finished copies") << true << 5 << 3 << 1200 << 1;
    QTest::newRow("nothing finished") << true << 5 << 0 << 1200 << 0;
    QTest::newRow("no copies ordered") << true << 0 << 3 << 1200 << 0;
    QTest::newRow("empty cut path") << true << 5 << 3 << 0 << 0;
    QTest::newRow("device not registered") << false << 5 << 3 << 1200 << 0;
}

void tst_cloud::work_record_conditions()
{
    QFETCH(bool, registered);
    QFETCH(int, copies);
    QFETCH(int, finished);
    QFETCH(int, path_length);
    if (registered)
        QVERIFY(register_device(QStringLiteral("AB1Z09")));
    else
        m_device->setMorvoCloud(nullptr, QStringLiteral("AB1Z09"));
    prepare_finished_job(copies, finished, path_length);
    m_device->stopTask();
    m_device->stopTask(); // a second stop never reports again
    if (registered)
        VX_TRY_COMPARE(m_cloud->pendingDeliveries(), 0);
    run_events_for(20);
    QTEST(int(m_service->work_records.size()), "records");
}

void tst_cloud::work_record_members()
{
    QVERIFY(register_device(QStringLiteral("AB1Z09")));
    prepare_finished_job(5, 3, 1200);
    m_device->stopTask();
    VX_TRY_COMPARE(m_service->work_records.size(), 1);
    QJsonObject record = m_service->work_records.first();
    const QString end_time = record.take("end_time").toString();
    QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3,6}$").match(end_time).hasMatch(),
             qPrintable(end_time));
    QVERIFY(record.take("task_time").toInt() >= 0);
    QCOMPARE(record, QJsonObject({{"softwareType", 3}, {"task_copies", 5}, {"finish_copies", 3},
                                  {"device", 100}, {"page_area", 60000}, {"page_size", "300x200"},
                                  {"path_length", 1200}, {"task_model", 1}, {"work_model", 2}}));
}

void tst_cloud::job_status_message_data()
{
    QTest::addColumn<bool>("has_preview");
    QTest::addColumn<QByteArray>("preview");
    QTest::addColumn<QJsonValue>("expected");
    QTest::newRow("image") << true << QByteArray("\x89PNG") << QJsonValue("iVBORw==");
    QTest::newRow("empty image is null") << true << QByteArray() << QJsonValue(QJsonValue::Null);
    QTest::newRow("no preview property") << false << QByteArray() << QJsonValue(QJsonValue::Undefined);
}

void tst_cloud::job_status_message()
{
    QFETCH(bool, has_preview);
    QFETCH(QByteArray, preview);
    const QJsonObject task{{"Status", 1}, {"Percent", 40}};
    const QJsonObject message = QJsonDocument::fromJson(
        vx::job_status_message(task, has_preview ? &preview : nullptr)).object();
    QCOMPARE(message.value("sender").toString(), QStringLiteral("Device"));
    QCOMPARE(message.value("actions").toArray(), QJsonArray({"Runtime"}));
    const QJsonObject runtime = message.value("message").toObject().value("Runtime").toObject();
    QCOMPARE(runtime.value("Percent").toInt(), 40);
    QTEST(runtime.value("FilePreview"), "expected");
}

void tst_cloud::channel_answers_new_texts()
{
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    auto *driver = static_cast<VXCommonInterface *>(m_device.data());
    driver->connect_websocket(); // no client bound yet: nothing
    QTest::qWait(20);
    QVERIFY(m_service->channel_paths.isEmpty());

    QVERIFY(register_device(QStringLiteral("AB1Z09")));
    driver->connect_websocket();
    VX_TRY_COMPARE(messages.count(), 1);
    QCOMPARE(messages.at(0).at(1).toString(), QStringLiteral("WEB SOCKET CONNECTED."));
    QCOMPARE(m_service->channel_paths, QStringList{"/AB1Z09/Device/"});

    for (const char *text : {"", "status?", "status?", "not json {", "", "status?"})
        m_service->send_to_channels(QString::fromLatin1(text));
    // A first empty text and a repeat of the last text are ignored.
    VX_TRY_COMPARE(m_service->channel_texts.size(), 4);
    run_events_for(30);
    QCOMPARE(m_service->channel_texts.size(), 4);
    const QJsonObject status = parse(m_service->channel_texts.first());
    QCOMPARE(status.value("sender").toString(), QStringLiteral("Device"));
    QCOMPARE(status.value("message").toObject().value("Runtime").toObject().value("Percent").toInt(), 100);
    QVERIFY(status.value("message").toObject().value("Runtime").toObject().contains("FilePreview"));
    QVERIFY(!m_device->property_ptr("TASK")->value().toJsonObject().contains("FilePreview"));

    m_service->close_channels();
    VX_TRY_COMPARE(messages.last().at(1).toString(), QStringLiteral("WEB SOCKET DISCONNECTED."));
    driver->connect_websocket(); // reopened on request, and connected once, not twice
    VX_TRY_COMPARE(messages.last().at(1).toString(), QStringLiteral("WEB SOCKET CONNECTED."));
    run_events_for(30);
    QCOMPARE(messages.count(), 3);
}

void tst_cloud::channel_error_is_reported()
{
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    MorvoCloud cloud(m_service->http_base(), QUrl(QStringLiteral("ws://127.0.0.1:1/")),
                     m_outbox_dir.filePath(QStringLiteral("other.sqlite")));
    m_device->setMorvoCloud(&cloud, QStringLiteral("AB1Z09"));
    static_cast<VXCommonInterface *>(m_device.data())->connect_websocket();
    VX_TRY_VERIFY(!messages.isEmpty());
    QTest::qWait(50);
    QStringList texts;
    for (const QList<QVariant> &args : qAsConst(messages))
        texts << args.at(1).toString();
    QVERIFY2(texts.contains(QStringLiteral("WEB SOCKET ERROR.")), qPrintable(texts.join(", ")));
    QVERIFY(!texts.contains(QStringLiteral("WEB SOCKET CONNECTED.")));
}

// A cloud that sends far too much, or stops reading what the device sends,
// costs the device little memory. VX_CHANNEL_MESSAGE_MIB sizes the message
// (default 16), VX_STALLED_REPORTS the reports (default 100) and
// VX_PREVIEW_KIB their preview image (default 1024).
void tst_cloud::channel_stays_bounded_data()
{
    QTest::addColumn<bool>("stalled");
    QTest::newRow("a message far too long") << false;
    QTest::newRow("a peer that stops reading") << true;
}

void tst_cloud::channel_stays_bounded()
{
    QFETCH(bool, stalled);
    RawChannelPeer peer;
    MorvoCloud cloud(m_service->http_base(), peer.base(), m_outbox_dir.filePath(QStringLiteral("raw.sqlite")));
    m_device->setMorvoCloud(&cloud, QStringLiteral("AB1Z09"));
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    static_cast<VXCommonInterface *>(m_device.data())->connect_websocket();
    VX_TRY_VERIFY(peer.open());
    VX_TRY_VERIFY(message_texts(messages).contains(QStringLiteral("WEB SOCKET CONNECTED.")));
    const qint64 mib = 1024 * 1024;
    PeakMeter meter;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, this, [&] { meter.sample(); });
    sampler.start(2);

    if (stalled) {
        QByteArray preview(load_size("VX_PREVIEW_KIB", 1024) * 1024, Qt::Uninitialized);
        for (char &byte : preview)
            byte = char(QRandomGenerator::global()->bounded(256));
        m_device->property_ptr("FILE_PREVIEW")->setValue(preview);
        peer.stop_reading();
        const int reports = load_size("VX_STALLED_REPORTS", 100);
        for (int i = 0; i < reports; ++i) {
            static_cast<VXCommonInterface *>(m_device.data())
                ->decode_cmd(QStringLiteral("\x02" "0;CCMD;66,1,job.plt,2,0,%1,0,0,0;\x03").arg(i));
            meter.sample();
            QCoreApplication::processEvents();
        }
    } else {
        peer.send_text(load_size("VX_CHANNEL_MESSAGE_MIB", 16) * mib);
        VX_TRY_VERIFY_WITH_TIMEOUT(message_texts(messages).contains(QStringLiteral("WEB SOCKET DISCONNECTED.")), 20000);
    }
    const qint64 growth = meter.growth();
    qInfo("%s: peak memory %.1f MiB above the start", QTest::currentDataTag(), double(growth) / mib);
    QVERIFY2(growth < 50 * mib, qPrintable(QString::number(growth)));
}

void tst_cloud::job_reported_while_it_runs_data()
{
    QTest::addColumn<int>("stopAfterPages"); // pressed on the machine; 0: never
    QTest::addColumn<int>("finished");
    QTest::newRow("every copy cut") << 0 << 2;
    QTest::newRow("stopped during the second copy") << 3 << 1;
}

void tst_cloud::job_reported_while_it_runs()
{
    QFETCH(int, stopAfterPages);
    QFETCH(int, finished);
    vx::sim::SimulatorOptions options;
    options.machine_stop_after_pages = stopAfterPages;
    vx::sim::ControllerSimulator sim(options);
    const quint16 port = sim.listen(0);
    QVERIFY(port);
    QVERIFY(register_device(QStringLiteral("AB1Z09")));
    static_cast<VXCommonInterface *>(m_device.data())->connect_websocket();
    VX_TRY_COMPARE(m_service->channel_paths.size(), 1);

    m_device->property_ptr("TCP_PORT")->setValue(int(port));
    m_device->setIPAddress(QStringLiteral("127.0.0.1"));
    QVERIFY(m_device->connectDevice());
    VX_TRY_COMPARE(m_device->property_ptr("STATUS")->value().toInt(), int(VXDeviceInterface::Working));
    m_device->property_ptr("TASK_FILE_INFO")->setValue(
        QJsonObject({{"heigth", 300}, {"width", 200}, {"path_length", 1200}}));
    VXDeviceProperty *copies = m_device->property_ptr("TASK_COPIES");
    copies->setValue(2);
    m_device->sendCMD(copies->set_cmd_bytes());
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    m_device->setPlt(QStringLiteral("IN;PU0,0;PD400,0;PG;PU0,0;PD0,400;PG;"));
    m_device->startTask();
    if (stopAfterPages)
        VX_TRY_VERIFY(message_texts(messages, VXDeviceInterface::DevTasK).contains(QStringLiteral("STOP")));
    VX_TRY_COMPARE(m_device->property_ptr("TASK")->value().toJsonObject().value("Finished").toInt(), finished);
    // The channel heard the start, the progress and each copy done, and
    // last the record as it stands.
    VX_TRY_VERIFY(m_service->channel_texts.size() >= 4);
    QTest::qWait(50);
    const QJsonObject last = parse(m_service->channel_texts.last());
    QCOMPARE(last.value("message").toObject().value("Runtime").toObject().value("Finished").toInt(), finished);

    m_device->stopTask();
    VX_TRY_COMPARE(m_service->work_records.size(), 1);
    QCOMPARE(m_service->work_records.first().value("finish_copies").toInt(), finished);
    QCOMPARE(m_service->work_records.first().value("task_copies").toInt(), 2);
}

QTEST_GUILESS_MAIN(tst_cloud)
#include "tst_cloud.moc"

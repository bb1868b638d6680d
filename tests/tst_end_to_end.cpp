// The built plugin, loaded as a host loads it, driving the controller
// simulator over TCP and over a pseudo-terminal: settings, jobs with pages
// and copies, pause/resume/stop, QR codes, a link lost mid-job, and a host
// that deletes the device from its message slot.
#include "controller_simulator.h"
#include "event_wait.h"
#include "morvocloud.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QJsonObject>
#include <QtCore/QPluginLoader>
#include <QtCore/QPointer>
#include <QtCore/QScopedPointer>
#include <QtCore/QTemporaryDir>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>
#include <QtWebSockets/QWebSocket>
#include <QtWebSockets/QWebSocketServer>

using vx::sim::ControllerSimulator;
using vx::sim::SimulatorOptions;

namespace {

// A job of `pages` pages, each a 20 mm square drawn `rounds` times.
QString square_job(int pages, int rounds = 1)
{
    const QString page = QStringLiteral("PU0,0;") + QStringLiteral("PD800,0;PD800,800;PD0,800;PD0,0;").repeated(rounds);
    return QStringLiteral("IN;") + (page + QStringLiteral("PG;")).repeated(pages);
}

struct Heard
{
    QStringList status;
    QStringList tasks;
    QStringList qrcodes;
};

} // namespace

class tst_end_to_end : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void settings_read_and_written();
    void three_pages_two_copies_data();
    void three_pages_two_copies();
    void one_page_job();
    void pause_resume_stop();
    void machine_stop_button();
    void qrcode_job();
    void link_dropped_mid_job();
    void job_over_pseudo_terminal();
    void host_deletes_the_device_from_a_message_data();
    void host_deletes_the_device_from_a_message();

private:
    bool start(const SimulatorOptions &options = SimulatorOptions());
    bool connect_tcp();
    void write(const char *key, const QVariant &value);
    void read(const char *key);
    QJsonObject task() { return m_device->property_ptr("TASK")->value().toJsonObject(); }
    void run_job(int pages, int copies);

    QPluginLoader m_loader{QStringLiteral(VX_PLUGIN_FILE)};
    VXDeviceInterface *m_root = nullptr;
    QScopedPointer<ControllerSimulator> m_sim;
    QScopedPointer<VXDeviceInterface> m_device;
    quint16 m_port = 0;
    Heard m_heard;
};

void tst_end_to_end::initTestCase()
{
    QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
    m_root = qobject_cast<VXDeviceInterface *>(m_loader.instance());
    QVERIFY(m_root);
}

void tst_end_to_end::init()
{
    m_heard = Heard();
    m_device.reset(m_root->initInstance());
    connect(m_device.data(), &VXDeviceInterface::message, this,
            [this](VXDeviceInterface::VXDeviceMessage kind, const QString &text) {
                (kind == VXDeviceInterface::DevStatus ? m_heard.status
                 : kind == VXDeviceInterface::DevTasK ? m_heard.tasks
                                                      : m_heard.qrcodes) << text;
            });
}

void tst_end_to_end::cleanup()
{
    m_device.reset();
    m_sim.reset();
}

bool tst_end_to_end::start(const SimulatorOptions &options)
{
    m_sim.reset(new ControllerSimulator(options));
    m_port = m_sim->listen(0);
    return m_port != 0;
}

bool tst_end_to_end::connect_tcp()
{
    m_device->property_ptr("TCP_PORT")->setValue(int(m_port));
    m_device->setIPAddress(QStringLiteral("127.0.0.1"));
    if (!m_device->connectDevice())
        return false;
    return wait_until([this] { return m_heard.status.contains(QStringLiteral("TCP CONNECTED.")); });
}

void tst_end_to_end::write(const char *key, const QVariant &value)
{
    VXDeviceProperty *p = m_device->property_ptr(key);
    p->setValue(value);
    m_device->sendCMD(p->set_cmd_bytes());
}

void tst_end_to_end::read(const char *key)
{
    m_device->sendCMD(m_device->property_ptr(key)->get_cmd_bytes());
}

void tst_end_to_end::settings_read_and_written()
{
    QVERIFY(start());
    QVERIFY(connect_tcp());
    for (const char *key : {"SPEED", "PRESSURE", "FIRMWARE", "DEVICE_ID", "CAMERA_OFFSET", "WORK_MODE", "SCALE_X"})
        read(key);
    VX_TRY_COMPARE(m_device->property_ptr("SCALE_X")->value(), QVariant(100.0));
    QCOMPARE(m_device->property_ptr("SPEED")->value(), QVariant(150u));
    QCOMPARE(m_device->property_ptr("PRESSURE")->value(), QVariant(200u));
    QCOMPARE(m_device->property_ptr("FIRMWARE")->value(), QVariant("V3.4.37"));
    QCOMPARE(m_device->property_ptr("DEVICE_ID")->value(), QVariant("VX3050-0001"));
    QCOMPARE(m_device->property_ptr("CAMERA_OFFSET_X")->value(), QVariant(0.5));
    QCOMPARE(m_device->property_ptr("CAMERA_OFFSET_Y")->value(), QVariant(-20.0));
    QCOMPARE(m_device->property_ptr("WORK_MODE")->value(), QVariant(1u));

    write("SPEED", 240u);
    write("CAMERA_OFFSET_X", 1.25); // local values; the composite carries them
    write("CAMERA_OFFSET_Y", -19.5);
    write("CAMERA_OFFSET", m_device->property_ptr("CAMERA_OFFSET")->value());
    m_device->property_ptr("SPEED")->setValue(0u);
    m_device->property_ptr("CAMERA_OFFSET_X")->setValue(0.0);
    read("SPEED");
    read("CAMERA_OFFSET");
    VX_TRY_COMPARE(m_device->property_ptr("CAMERA_OFFSET_X")->value(), QVariant(1.25));
    QCOMPARE(m_device->property_ptr("CAMERA_OFFSET_Y")->value(), QVariant(-19.5));
    QCOMPARE(m_device->property_ptr("SPEED")->value(), QVariant(240u));

    // A value that would carry a stop command of its own is never sent.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("DEVICE_ID")));
    write("DEVICE_ID", QStringLiteral("1;27,2"));
    read("DEVICE_ID");
    VX_TRY_COMPARE(m_device->property_ptr("DEVICE_ID")->value(), QVariant("VX3050-0001"));
    QVERIFY(!m_heard.tasks.contains(QStringLiteral("STOP")));
}

void tst_end_to_end::run_job(int pages, int copies)
{
    write("TASK_COPIES", copies);
    m_device->setPlt(square_job(pages));
    m_device->startTask();
}

void tst_end_to_end::three_pages_two_copies_data()
{
    QTest::addColumn<int>("split");
    QTest::addColumn<bool>("noise");
    QTest::addColumn<bool>("duplicates");
    QTest::newRow("clean link") << 0 << false << false;
    QTest::newRow("frames split in 3-byte pieces") << 3 << false << false;
    QTest::newRow("noise between frames") << 0 << true << false;
    QTest::newRow("duplicate progress reports") << 0 << false << true;
    QTest::newRow("all of it") << 5 << true << true;
}

void tst_end_to_end::three_pages_two_copies()
{
    QFETCH(int, split);
    SimulatorOptions options;
    options.split_chunk_bytes = split;
    // A piece a turn: the plugin still reads them one by one.
    options.split_interval_ms = 0;
    QFETCH(bool, noise);
    options.noise = noise;
    QFETCH(bool, duplicates);
    options.duplicate_progress = duplicates;
    QVERIFY(start(options));
    QVERIFY(connect_tcp());

    run_job(3, 2);
    VX_TRY_COMPARE_WITH_TIMEOUT(task().value("Finished").toInt(), 2, 10000);
    run_events_for(20); // anything late would show now
    QCOMPARE(task().value("Finished").toInt(), 2);
    QCOMPARE(task().value("Percent").toInt(), 100);
    QCOMPARE(task().value("Status").toInt(), 0);
    QCOMPARE(task().value("TaskCopies").toInt(), 2);

    // The job start, then progress reports, and one empty text per copy done.
    QVERIFY(!m_heard.tasks.isEmpty());
    QCOMPARE(m_heard.tasks.first(), QString());
    QCOMPARE(m_heard.tasks.count(QString()), 3);
    for (const QString &text : qAsConst(m_heard.tasks))
        QVERIFY2(text.isEmpty() || text.startsWith(QLatin1String("66,")), qPrintable(text));
    QVERIFY(m_heard.tasks.count() > 3);
    QCOMPARE(m_heard.status, QStringList{"TCP CONNECTED."});
}

void tst_end_to_end::one_page_job()
{
    QVERIFY(start());
    QVERIFY(connect_tcp());
    run_job(1, 1);
    VX_TRY_COMPARE(task().value("Finished").toInt(), 1);
    run_events_for(20);
    QCOMPARE(task().value("Finished").toInt(), 1);
    QCOMPARE(task().value("Percent").toInt(), 100);
    QCOMPARE(m_heard.tasks.count(QString()), 2);
}

void tst_end_to_end::pause_resume_stop()
{
    SimulatorOptions options;
    options.cut_speed_mm_per_second = 200; // 80 mm a page: 0.4 s
    options.progress_interval_ms = 20;
    QVERIFY(start(options));
    QVERIFY(connect_tcp());
    run_job(3, 1);
    VX_TRY_VERIFY(m_heard.tasks.size() >= 2); // started and cutting

    write("TASK_PAUSE", 0);
    VX_TRY_VERIFY(m_heard.tasks.contains(QStringLiteral("PAUSE")));
    const int finished_pages = task().value("Percent").toInt();
    run_events_for(60); // three progress intervals
    QCOMPARE(task().value("Percent").toInt(), finished_pages); // holding
    write("TASK_RESUME", 1);
    VX_TRY_VERIFY(m_heard.tasks.contains(QStringLiteral("RESUME")));

    write("TASK_STOP", 2);
    VX_TRY_VERIFY(m_heard.tasks.contains(QStringLiteral("STOP")));
    run_events_for(60); // a machine asked for more would be cutting again
    QCOMPARE(m_heard.tasks.count(QStringLiteral("STOP")), 1);
    QCOMPARE(task().value("Finished").toInt(), 0); // the stopped copy is not counted
    QVERIFY(task().value("Percent").toInt() < 100);
}

void tst_end_to_end::machine_stop_button()
{
    SimulatorOptions options;
    options.machine_stop_after_pages = 1;
    QVERIFY(start(options));
    QVERIFY(connect_tcp());
    // A host answers the machine's stop by stopping the job.
    connect(m_device.data(), &VXDeviceInterface::message, this,
            [this](VXDeviceInterface::VXDeviceMessage, const QString &text) {
                if (text == QLatin1String("STOP"))
                    m_device->stopTask();
            });
    run_job(3, 1);
    VX_TRY_VERIFY(m_heard.tasks.contains(QStringLiteral("STOP")));
    QVERIFY(m_device->property_ptr("TASK_START_TIME")->value().toDateTime().isNull());
}

void tst_end_to_end::qrcode_job()
{
    QVERIFY(start());
    QVERIFY(connect_tcp());
    write("TASK_MODE", 1);
    write("TASK_COPIES", 2);
    m_device->startTask();
    VX_TRY_COMPARE(m_heard.qrcodes, QStringList({"QR0001", "QR0002"}));
    VX_TRY_COMPARE(task().value("Finished").toInt(), 2);
}

void tst_end_to_end::link_dropped_mid_job()
{
    SimulatorOptions options;
    options.drop_after_pages = 2;
    QVERIFY(start(options));
    QVERIFY(connect_tcp());
    run_job(4, 1);
    VX_TRY_VERIFY(m_heard.status.contains(QStringLiteral("TCP DISCONNECTED.")));
    QCOMPARE(m_device->property_ptr("STATUS")->value().toInt(), int(VXDeviceInterface::DisConnected));
    QVERIFY(task().value("Finished").toInt() < 1);

    // Frames while down are dropped, not queued; a new link and a new job work.
    run_job(1, 1);
    QVERIFY(start());
    m_heard = Heard();
    QVERIFY(connect_tcp());
    m_device->stopTask();
    run_job(2, 1);
    VX_TRY_COMPARE(task().value("Finished").toInt(), 1);
    QCOMPARE(task().value("Percent").toInt(), 100);
}

void tst_end_to_end::job_over_pseudo_terminal()
{
    QVERIFY(start());
    const QString path = m_sim->open_pty();
    QVERIFY2(!path.isEmpty(), qPrintable(m_sim->error_string()));
    m_device->setUSBPath(path);
    QVERIFY(m_device->connectDevice());
    VX_TRY_COMPARE(m_heard.status, QStringList{"USB CONNECTED."});
    QCOMPARE(m_device->property_ptr("CONNECT_MODE")->value().toString(), QStringLiteral("USB"));

    read("FIRMWARE");
    VX_TRY_COMPARE(m_device->property_ptr("FIRMWARE")->value(), QVariant("V3.4.37"));
    run_job(3, 2);
    VX_TRY_COMPARE_WITH_TIMEOUT(task().value("Finished").toInt(), 2, 10000);
    QCOMPARE(task().value("Percent").toInt(), 100);
}

// Every message, from every place that sends it; the slot deletes the
// device. The sanitizer build tells whether anything touches it afterwards.
void tst_end_to_end::host_deletes_the_device_from_a_message_data()
{
    QTest::addColumn<QString>("link");   // tcp, usb, bad usb path, or only the cloud channel
    QTest::addColumn<QString>("action"); // what the host does once the link is up
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");   // the message, or how it begins
    QTest::addColumn<int>("occurrence");

    const int status = VXDeviceInterface::DevStatus, task = VXDeviceInterface::DevTasK;
    QTest::newRow("TCP CONNECTED.") << "tcp" << "" << status << "TCP CONNECTED." << 1;
    QTest::newRow("TCP DISCONNECTED.") << "tcp" << "drop" << status << "TCP DISCONNECTED." << 1;
    // The machine answers a page and resets: the next page's write fails.
    QTest::newRow("TCP DISCONNECTED. in a page write") << "tcp" << "reset" << status << "TCP DISCONNECTED." << 1;
    // Declared lost (a heartbeat timeout) and opened afresh: the old socket's close.
    QTest::newRow("TCP DISCONNECTED. on opening again") << "tcp" << "reopen" << status << "TCP DISCONNECTED." << 1;
    QTest::newRow("USB CONNECTED.") << "usb" << "" << status << "USB CONNECTED." << 1;
    QTest::newRow("USB DISCONNECTED.") << "usb" << "drop" << status << "USB DISCONNECTED." << 1;
    QTest::newRow("USB ERROR.") << "bad usb path" << "" << status << "USB ERROR." << 1;
    QTest::newRow("job start") << "tcp" << "job" << task << "" << 1;
    QTest::newRow("progress report") << "tcp" << "job" << task << "66," << 1;
    QTest::newRow("copy done") << "tcp" << "job" << task << "" << 2;
    QTest::newRow("progress report over USB") << "usb" << "job" << task << "66," << 1;
    QTest::newRow("copy done over USB") << "usb" << "job" << task << "" << 2;
    QTest::newRow("PAUSE") << "tcp" << "pause" << task << "PAUSE" << 1;
    QTest::newRow("RESUME") << "tcp" << "resume" << task << "RESUME" << 1;
    QTest::newRow("STOP answered") << "tcp" << "stop" << task << "STOP" << 1;
    QTest::newRow("STOP on the machine") << "tcp" << "machine stop" << task << "STOP" << 1;
    QTest::newRow("QR code") << "tcp" << "qrcode" << int(VXDeviceInterface::Qrcode) << "QR" << 1;
    QTest::newRow("WEB SOCKET CONNECTED.") << "channel" << "" << status << "WEB SOCKET CONNECTED." << 1;
    QTest::newRow("WEB SOCKET DISCONNECTED.") << "channel" << "drop" << status << "WEB SOCKET DISCONNECTED." << 1;
    QTest::newRow("WEB SOCKET ERROR.") << "channel" << "refused" << status << "WEB SOCKET ERROR." << 1;
}

void tst_end_to_end::host_deletes_the_device_from_a_message()
{
    QFETCH(QString, link);
    QFETCH(QString, action);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, occurrence);
    SimulatorOptions options;
    // Cut slowly where the host acts while a page is under way.
    const bool acts_mid_page = action == QLatin1String("pause") || action == QLatin1String("resume")
        || action == QLatin1String("stop");
    options.cut_speed_mm_per_second = acts_mid_page ? 200 : 0;
    options.machine_stop_after_pages = action == QLatin1String("machine stop") ? 1 : 0;
    options.reset_on_drop = action == QLatin1String("reset");
    options.drop_after_pages = options.reset_on_drop ? 1 : 0;
    QVERIFY(start(options));

    const QPointer<VXDeviceInterface> device(m_device.data());
    int seen = 0;
    connect(device, &VXDeviceInterface::message, this,
            [&](VXDeviceInterface::VXDeviceMessage heard_kind, const QString &heard) {
                const bool match = heard_kind == kind && (text.isEmpty() ? heard.isEmpty() : heard.startsWith(text));
                if (match && ++seen == occurrence)
                    m_device.reset();
            });

    QWebSocketServer channels(QStringLiteral("cloud"), QWebSocketServer::NonSecureMode);
    QTemporaryDir outbox;
    QScopedPointer<MorvoCloud> cloud;
    if (link == QLatin1String("channel")) {
        QVERIFY(channels.listen(QHostAddress::LocalHost));
        connect(&channels, &QWebSocketServer::newConnection, this, [&] {
            QWebSocket *socket = channels.nextPendingConnection();
            socket->setParent(&channels);
            if (action == QLatin1String("drop"))
                socket->close();
        });
        const QUrl base(action == QLatin1String("refused") ? QStringLiteral("ws://127.0.0.1:1/")
                                                           : channels.serverUrl().toString() + QLatin1Char('/'));
        cloud.reset(new MorvoCloud(QUrl(QStringLiteral("http://127.0.0.1:1/")), base,
                                   outbox.filePath(QStringLiteral("outbox.sqlite"))));
        m_device->setMorvoCloud(cloud.data(), QStringLiteral("AB1Z09"));
        QVERIFY(QMetaObject::invokeMethod(m_device.data(), "connect_websocket"));
    } else {
        if (link == QLatin1String("tcp")) {
            m_device->property_ptr("TCP_PORT")->setValue(int(m_port));
            m_device->setIPAddress(QStringLiteral("127.0.0.1"));
        } else {
            m_device->setUSBPath(link == QLatin1String("usb") ? m_sim->open_pty()
                                                               : QStringLiteral("/nonexistent/usb-device"));
        }
        QVERIFY(m_device->connectDevice());
        QVERIFY(wait_until([&] {
            return !device || m_device->property_ptr("STATUS")->value().toInt() == VXDeviceInterface::Working;
        }));
    }

    if (device && link != QLatin1String("channel")) {
        if (action == QLatin1String("drop")) {
            m_sim.reset();
        } else if (action == QLatin1String("reopen")) {
            m_device->property_ptr("STATUS")->setValue(int(VXDeviceInterface::DisConnected));
            m_device->connectDevice();
        } else if (action == QLatin1String("reset")) {
            // A short page the machine cuts, then one of 2 MiB, which goes out
            // in pieces into the reset connection; the machine never parses it.
            m_device->setPlt(square_job(1) + square_job(1, 1 << 16).mid(3));
            m_device->startTask();
        } else if (action == QLatin1String("qrcode")) {
            write("TASK_MODE", 1);
            write("TASK_COPIES", 1);
            m_device->startTask();
        } else if (!action.isEmpty()) {
            run_job(action == QLatin1String("job") ? 1 : 3, 1);
            if (action == QLatin1String("pause") || action == QLatin1String("resume"))
                write("TASK_PAUSE", 0);
            if (action == QLatin1String("resume")) {
                VX_TRY_VERIFY(m_heard.tasks.contains(QStringLiteral("PAUSE")));
                write("TASK_RESUME", 1);
            } else if (action == QLatin1String("stop")) {
                write("TASK_STOP", 2);
            }
        }
    }
    VX_TRY_VERIFY_WITH_TIMEOUT(!device, 10000);
    // Whatever was under way when the device went: queued calls, deferred
    // deletes and bytes in flight, all due within a turn or two.
    run_events_for(5);
}

QTEST_GUILESS_MAIN(tst_end_to_end)
#include "tst_end_to_end.moc"

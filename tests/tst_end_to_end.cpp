// The built plugin, loaded as a host loads it, driving the controller
// simulator over TCP and over a pseudo-terminal: settings, jobs with pages
// and copies, pause/resume/stop, QR codes, and a link lost mid-job.
#include "controller_simulator.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QJsonObject>
#include <QtCore/QPluginLoader>
#include <QtCore/QScopedPointer>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using vx::sim::ControllerSimulator;
using vx::sim::SimulatorOptions;

namespace {

// A job of `pages` pages, each a 20 mm square.
QString square_job(int pages)
{
    QString job = QStringLiteral("IN;");
    for (int i = 0; i < pages; ++i)
        job += QStringLiteral("PU0,0;PD800,0;PD800,800;PD0,800;PD0,0;PG;");
    return job;
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
    return QTest::qWaitFor([this] { return m_heard.status.contains(QStringLiteral("TCP CONNECTED.")); }, 5000);
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
    QTRY_COMPARE(m_device->property_ptr("SCALE_X")->value(), QVariant(100.0));
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
    QTRY_COMPARE(m_device->property_ptr("CAMERA_OFFSET_X")->value(), QVariant(1.25));
    QCOMPARE(m_device->property_ptr("CAMERA_OFFSET_Y")->value(), QVariant(-19.5));
    QCOMPARE(m_device->property_ptr("SPEED")->value(), QVariant(240u));
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
    QFETCH(bool, noise);
    options.noise = noise;
    QFETCH(bool, duplicates);
    options.duplicate_progress = duplicates;
    QVERIFY(start(options));
    QVERIFY(connect_tcp());

    run_job(3, 2);
    QTRY_COMPARE_WITH_TIMEOUT(task().value("Finished").toInt(), 2, 10000);
    QTest::qWait(50); // anything late would show now
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
    QTRY_COMPARE(task().value("Finished").toInt(), 1);
    QTest::qWait(50);
    QCOMPARE(task().value("Finished").toInt(), 1);
    QCOMPARE(task().value("Percent").toInt(), 100);
    QCOMPARE(m_heard.tasks.count(QString()), 2);
}

void tst_end_to_end::pause_resume_stop()
{
    SimulatorOptions options;
    options.cut_speed_mm_per_second = 200; // 80 mm a page: 0.4 s
    QVERIFY(start(options));
    QVERIFY(connect_tcp());
    run_job(3, 1);
    QTRY_VERIFY(m_heard.tasks.size() >= 2); // started and cutting

    write("TASK_PAUSE", 0);
    QTRY_VERIFY(m_heard.tasks.contains(QStringLiteral("PAUSE")));
    const int finished_pages = task().value("Percent").toInt();
    QTest::qWait(300);
    QCOMPARE(task().value("Percent").toInt(), finished_pages); // holding
    write("TASK_RESUME", 1);
    QTRY_VERIFY(m_heard.tasks.contains(QStringLiteral("RESUME")));

    write("TASK_STOP", 2);
    QTRY_COMPARE(task().value("Finished").toInt(), 1); // the stop answer closes the copy
    QCOMPARE(task().value("Percent").toInt(), 100);
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
    QTRY_VERIFY(m_heard.tasks.contains(QStringLiteral("STOP")));
    QVERIFY(m_device->property_ptr("TASK_START_TIME")->value().toDateTime().isNull());
}

void tst_end_to_end::qrcode_job()
{
    QVERIFY(start());
    QVERIFY(connect_tcp());
    write("TASK_MODE", 1);
    write("TASK_COPIES", 2);
    m_device->startTask();
    QTRY_COMPARE(m_heard.qrcodes, QStringList({"QR0001", "QR0002"}));
    QTRY_COMPARE(task().value("Finished").toInt(), 2);
}

void tst_end_to_end::link_dropped_mid_job()
{
    SimulatorOptions options;
    options.drop_after_pages = 2;
    QVERIFY(start(options));
    QVERIFY(connect_tcp());
    run_job(4, 1);
    QTRY_VERIFY(m_heard.status.contains(QStringLiteral("TCP DISCONNECTED.")));
    QCOMPARE(m_device->property_ptr("STATUS")->value().toInt(), int(VXDeviceInterface::DisConnected));
    QVERIFY(task().value("Finished").toInt() < 1);

    // Frames while down are dropped, not queued; a new link and a new job work.
    run_job(1, 1);
    QVERIFY(start());
    m_heard = Heard();
    QVERIFY(connect_tcp());
    m_device->stopTask();
    run_job(2, 1);
    QTRY_COMPARE(task().value("Finished").toInt(), 1);
    QCOMPARE(task().value("Percent").toInt(), 100);
}

void tst_end_to_end::job_over_pseudo_terminal()
{
    QVERIFY(start());
    const QString path = m_sim->open_pty();
    QVERIFY2(!path.isEmpty(), qPrintable(m_sim->error_string()));
    m_device->setUSBPath(path);
    QVERIFY(m_device->connectDevice());
    QTRY_COMPARE(m_heard.status, QStringList{"USB CONNECTED."});
    QCOMPARE(m_device->property_ptr("CONNECT_MODE")->value().toString(), QStringLiteral("USB"));

    read("FIRMWARE");
    QTRY_COMPARE(m_device->property_ptr("FIRMWARE")->value(), QVariant("V3.4.37"));
    run_job(3, 2);
    QTRY_COMPARE_WITH_TIMEOUT(task().value("Finished").toInt(), 2, 10000);
    QCOMPARE(task().value("Percent").toInt(), 100);
}

QTEST_GUILESS_MAIN(tst_end_to_end)
#include "tst_end_to_end.moc"

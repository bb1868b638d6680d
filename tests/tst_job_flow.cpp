// The cutter's job flow against a controller on a loopback socket: pages
// out one by one, copies counted, further copies and QR codes requested,
// pause/resume/stop answers, jogging, and the generic driver's defaults.
#include "catalogue_builder_p.h"
#include "frame.h"
#include "loopback_peer.h"
#include "property_store_p.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"
#include "test_text.h"

#include <QtCore/QJsonObject>
#include <QtCore/QScopedPointer>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

namespace {

const QString kStatusRequest = QStringLiteral("4;");
const QString kRepeat = QStringLiteral("30,1;");

} // namespace

class tst_job_flow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pages_data();
    void pages();
    void one_page_job();
    void two_pages_two_copies();
    void job_loaded_mid_copy_sends_its_pages();
    void machine_replies_data();
    void machine_replies();
    void stop_ends_the_job_data();
    void stop_ends_the_job();
    void qrcode_job();
    void jog_data();
    void jog();
    void stop_task_resets_the_job();
    void generic_driver_task_control();

private:
    void set_copies(int copies);
    QJsonObject task() { return m_device->property_ptr("TASK")->value().toJsonObject(); }

    VXLT3050PROCam m_root;
    QScopedPointer<VXDeviceInterface> m_device;
    QScopedPointer<LoopbackPeer> m_peer;
};

void tst_job_flow::init()
{
    m_device.reset(m_root.initInstance());
    m_peer.reset(new LoopbackPeer);
    QVERIFY(m_peer->attach(m_device.data()));
}

void tst_job_flow::cleanup()
{
    m_device.reset();
    m_peer.reset();
}

void tst_job_flow::set_copies(int copies)
{
    QJsonObject record = task();
    record.insert("TaskCopies", copies);
    m_device->property_ptr("TASK")->setValue(record);
}

// The pages a job text is cut into, as they go out on the wire: each page
// is answered "4,0" until the status request follows the last one.
void tst_job_flow::pages_data()
{
    QTest::addColumn<QString>("job");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("two pages") << "IN;PU0,0;PD100,100;PG;PU5,5;PG;"
                               << QStringList{"IN;PU0,0;PD100,100;PG;", "PU5,5;PG;"};
    QTest::newRow("no PG gets one") << "IN;PU0,0;" << QStringList{"IN;PU0,0;PG;"};
    QTest::newRow("leading PG PG makes no empty page") << "PG;PG;IN;PG;PU1,1;"
                                                       << QStringList{"IN;PG;", "PU1,1;PG;"};
    QTest::newRow("three pages") << "A;PG;B;PG;C;PG;" << QStringList{"A;PG;", "B;PG;", "C;PG;"};
    QTest::newRow("non-ASCII kept") << "LB标签;PG;" << QStringList{"LB标签;PG;"};
}

void tst_job_flow::pages()
{
    QFETCH(QString, job);
    QFETCH(QStringList, pages);
    m_device->setPlt(job);
    QCOMPARE(m_device->property_ptr("TASK_PPLT")->value().toString(), pages.first());
    m_device->startTask();
    QStringList sent;
    for (int i = 0; i < pages.size(); ++i) {
        QVERIFY(m_peer->wait_frames(i + 1));
        sent << m_peer->bodies().at(i);
        if (i + 1 < pages.size())
            m_peer->reply("CCMD", "4,0;");
    }
    QVERIFY(m_peer->wait_frames(pages.size() + 1));
    QCOMPARE(sent, pages);
    QCOMPARE(m_peer->bodies().last(), kStatusRequest);
    QVERIFY(m_peer->frames.first().startsWith("\x02"));
    QVERIFY(m_peer->frames.first().contains(";PPLT;"));
}

void tst_job_flow::one_page_job()
{
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    set_copies(1);
    m_device->setPlt(QStringLiteral("IN;PU0,0;PD10,0;PG;"));
    m_device->startTask();
    QVERIFY(m_peer->wait_frames(2));
    QCOMPARE(m_peer->bodies(), QStringList({"IN;PU0,0;PD10,0;PG;", kStatusRequest}));
    QVERIFY(m_device->property_ptr("TASK_START_TIME")->value().toDateTime().isValid());
    QCOMPARE(message_texts(messages, VXDeviceInterface::DevTasK), QStringList{""});

    m_peer->reply("CCMD", "4,0;");
    QTRY_COMPARE(task().value("Finished").toInt(), 1);
    QCOMPARE(task().value("Percent").toInt(), 100);
    QCOMPARE(message_texts(messages, VXDeviceInterface::DevTasK), QStringList({"", ""}));
    QTest::qWait(20);
    QCOMPARE(m_peer->frames.size(), 2); // nothing more is asked for
}

void tst_job_flow::two_pages_two_copies()
{
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    set_copies(2);
    m_device->setPlt(QStringLiteral("P0;PG;P1;PG;"));
    m_device->startTask();
    QVERIFY(m_peer->wait_frames(1));
    m_peer->reply("CCMD", "4,0;"); // page 0 done
    QVERIFY(m_peer->wait_frames(3));
    QCOMPARE(m_peer->bodies(), QStringList({"P0;PG;", "P1;PG;", kStatusRequest}));

    m_peer->reply("CCMD", "4,0;"); // copy 1 done
    QVERIFY(m_peer->wait_frames(4));
    QCOMPARE(m_peer->bodies().last(), kRepeat);
    QCOMPARE(task().value("Finished").toInt(), 1);

    m_peer->reply("CCMD", "4,0;"); // copy 2 done
    QTRY_COMPARE(task().value("Finished").toInt(), 2);
    QCOMPARE(task().value("Percent").toInt(), 100);
    QCOMPARE(task().value("Status").toInt(), 0);
    QCOMPARE(message_texts(messages, VXDeviceInterface::DevTasK), QStringList({"", "", ""}));
    QTest::qWait(20);
    QCOMPARE(m_peer->frames.size(), 4);
}

// The page after the current one is made ahead of its "4,0"; a job loaded
// in between must win over that page of the old job.
void tst_job_flow::job_loaded_mid_copy_sends_its_pages()
{
    m_device->setPlt(QStringLiteral("A;PG;B;PG;C;PG;"));
    m_device->startTask();
    QVERIFY(m_peer->wait_frames(1));
    m_device->setPlt(QStringLiteral("X;PG;Y;PG;"));
    m_peer->reply("CCMD", "4,0;");
    QVERIFY(m_peer->wait_frames(3));
    QCOMPARE(m_peer->bodies(), QStringList({"A;PG;", "Y;PG;", kStatusRequest}));
    QCOMPARE(m_device->property_ptr("TASK_PPLT")->value().toString(), QStringLiteral("Y;PG;"));
}

void tst_job_flow::machine_replies_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("pause") << QByteArray("27,0;") << QStringList{"PAUSE"};
    QTest::newRow("pause with value") << QByteArray("27,0,0;") << QStringList{"PAUSE"};
    QTest::newRow("resume") << QByteArray("27,0,1;") << QStringList{"RESUME"};
    QTest::newRow("other value") << QByteArray("27,0,7;") << QStringList{""};
    QTest::newRow("failed job control goes to the base") << QByteArray("27,3,1;") << QStringList();
    QTest::newRow("stop pressed on the machine") << QByteArray("1001,0;") << QStringList{"STOP"};
    QTest::newRow("stop at the machine, not done") << QByteArray("1001,1;") << QStringList{"STOP"};
    QTest::newRow("1001 alone is too short") << QByteArray("1001;") << QStringList();
    QTest::newRow("failed page report") << QByteArray("4,5;") << QStringList();
}

void tst_job_flow::machine_replies()
{
    QFETCH(QByteArray, body);
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    const QJsonObject before = task();
    m_peer->reply("CCMD", body);
    m_peer->reply("CCMD", "51,0,marker;"); // answered after the row's frame
    QTRY_COMPARE(m_device->property_ptr("FIRMWARE")->value().toString(), QStringLiteral("marker"));
    QTEST(message_texts(messages, VXDeviceInterface::DevTasK), "texts");
    QCOMPARE(task(), before);
}

// A stop from either side ends the job wherever it stands: the copy being
// cut is not counted, the progress is not forced to 100, nothing more goes
// to the machine whatever it reports later, and the host hears "STOP" once.
void tst_job_flow::stop_ends_the_job_data()
{
    QTest::addColumn<QByteArray>("stop");
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("copy");      // the copy being cut, from 1
    QTest::addColumn<int>("pagesDone"); // of the three pages, in the first copy
    QTest::addColumn<QByteArray>("late"); // a report after the stop, or none

    const QByteArray host("27,0,2;"), machine("1001,0;");
    QTest::newRow("host, before any page is done") << host << 2 << 1 << 0 << QByteArray();
    QTest::newRow("host, middle page of the first copy") << host << 2 << 1 << 1 << QByteArray("4,0;");
    QTest::newRow("host, last page of the first copy") << host << 2 << 1 << 2 << QByteArray("4,0;");
    QTest::newRow("host, middle copy") << host << 3 << 2 << 3 << QByteArray("4,0;");
    QTest::newRow("host, last copy") << host << 3 << 3 << 3 << QByteArray("66,1,job.plt,3,2,90,0,0,0;");
    QTest::newRow("machine, before any page is done") << machine << 1 << 1 << 0 << QByteArray("4,0;");
    QTest::newRow("machine, last page of the first copy") << machine << 2 << 1 << 2 << QByteArray();
    QTest::newRow("machine, last copy") << machine << 2 << 2 << 3 << QByteArray("4,0;");
    QTest::newRow("machine, late progress report") << machine << 2 << 1 << 1
                                                   << QByteArray("66,1,job.plt,2,1,100,0,0,0;");
    QTest::newRow("host stop, then the machine's") << host << 2 << 1 << 1 << machine;
    QTest::newRow("qr-code job, host") << host << 3 << 2 << -1 << QByteArray("4,0;");
}

void tst_job_flow::stop_ends_the_job()
{
    QFETCH(QByteArray, stop);
    QFETCH(int, copies);
    QFETCH(int, copy);
    QFETCH(int, pagesDone);
    QFETCH(QByteArray, late);
    const bool qrcode = pagesDone < 0;
    set_copies(copies);
    m_device->property_ptr("TASK_MODE")->setValue(qrcode ? 1 : 0);
    m_device->setPlt(QStringLiteral("A;PG;B;PG;C;PG;"));
    m_device->startTask();
    // Page reports until the row's page of the first copy (the second also
    // brings the status request), then one report per copy done (each
    // bringing a request for the next) until the row's copy.
    int reports = copy - 1;
    int sent = copy;
    if (!qrcode) {
        reports = copy == 1 ? pagesDone : 3 + copy - 2;
        sent = copy == 1 ? (pagesDone == 2 ? 4 : 1 + pagesDone) : 4 + copy - 1;
    }
    for (int i = 0; i < reports; ++i)
        m_peer->reply("CCMD", "4,0;");
    const QByteArray progress = "66,1,job.plt," + QByteArray::number(copies) + ',' + QByteArray::number(copy - 1)
        + ",37.5,0,0,0;";
    m_peer->reply("CCMD", progress);
    QTRY_COMPARE(task().value("Percent").toInt(), 37);
    QVERIFY(m_peer->wait_frames(sent));
    QCOMPARE(m_peer->frames.size(), sent);

    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    m_peer->reply("CCMD", stop);
    if (!late.isEmpty())
        m_peer->reply("CCMD", late);
    m_peer->reply("CCMD", "51,0,marker;"); // answered after the row's frames
    QTRY_COMPARE(m_device->property_ptr("FIRMWARE")->value().toString(), QStringLiteral("marker"));
    // Anything the device sent since would reach the peer before this.
    m_device->sendCMD(m_device->property_ptr("FIRMWARE")->get_cmd_bytes());
    QVERIFY(m_peer->wait_frames(sent + 1));
    QCOMPARE(m_peer->bodies().mid(sent), QStringList{"51;"});

    QCOMPARE(message_texts(messages, VXDeviceInterface::DevTasK), QStringList{"STOP"});
    QCOMPARE(task().value("Finished").toInt(), copy - 1);
    QCOMPARE(task().value("Percent").toInt(), 37);
    QCOMPARE(task().value("TaskCopies").toInt(), copies);
    QCOMPARE(task().value("Status").toInt(), 0);

    // The next job runs as any job does.
    m_device->property_ptr("TASK_MODE")->setValue(0);
    m_device->setPlt(QStringLiteral("X;PG;Y;PG;"));
    m_device->startTask();
    QVERIFY(m_peer->wait_frames(sent + 2));
    m_peer->reply("CCMD", "4,0;");
    QVERIFY(m_peer->wait_frames(sent + 4));
    QCOMPARE(m_peer->bodies().mid(sent + 1), QStringList({"X;PG;", "Y;PG;", kStatusRequest}));
}

void tst_job_flow::qrcode_job()
{
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    set_copies(2);
    m_device->property_ptr("TASK_MODE")->setValue(1);
    m_device->startTask();
    QVERIFY(m_peer->wait_frames(1));
    QTest::qWait(20);
    QCOMPARE(m_peer->bodies(), QStringList{"11;"});
    m_peer->reply("CCMD", "11,0,QR0001;");
    QTRY_COMPARE(messages.count(), 2);
    QCOMPARE(messages.last().at(1).toString(), QStringLiteral("QR0001"));
    QCOMPARE(messages.last().at(0).value<VXDeviceInterface::VXDeviceMessage>(), VXDeviceInterface::Qrcode);

    // Each copy done asks for the next QR code while copies remain.
    m_peer->reply("CCMD", "4,0;");
    m_peer->reply("CCMD", "4,0;");
    QVERIFY(m_peer->wait_frames(2));
    QCOMPARE(m_peer->bodies(), QStringList({"11;", "11;"}));
}

void tst_job_flow::jog_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("10,-5") << 10 << -5 << QByteArray("\x02" "26;CCMD;65,0,0,800,-400;" "\x03");
    QTest::newRow("0,0") << 0 << 0 << QByteArray("\x02" "21;CCMD;65,0,0,0,0;" "\x03");
    QTest::newRow("-1,2") << -1 << 2 << QByteArray("\x02" "25;CCMD;65,0,0,-80,160;" "\x03");
    QTest::newRow("extreme amounts do not overflow")
        << int(INT_MIN) << int(INT_MAX)
        << vx::frame("CCMD", "65,0,0,-171798691840,171798691760;");
}

void tst_job_flow::jog()
{
    QFETCH(int, a);
    QFETCH(int, b);
    m_device->move(a, b);
    QVERIFY(m_peer->wait_frames(1));
    QTEST(m_peer->frames.first(), "frame");
}

void tst_job_flow::stop_task_resets_the_job()
{
    set_copies(2);
    m_device->setPlt(QStringLiteral("A;PG;"));
    m_device->startTask();
    QVERIFY(m_device->property_ptr("TASK_START_TIME"));
    m_device->stopTask();
    QVERIFY(m_device->property_ptr("TASK_START_TIME")->value().toDateTime().isNull());
    QCOMPARE(task(), QJsonObject({{"Status", 0}, {"FileName", ""}, {"TaskCopies", 0},
                                  {"Finished", 0}, {"Percent", 100}}));
    m_device->stopTask(); // twice: the same reset record
    QCOMPARE(task().value("Percent").toInt(), 100);
}

void tst_job_flow::generic_driver_task_control()
{
    VXCommonInterface device;
    vx::fill_catalogue(&device, "init437"); // STATUS, CONNECT_MODE, TCP_PORT, TASK_COPIES, TASK_MODE...
    LoopbackPeer peer;
    QVERIFY(peer.attach(&device));
    QCOMPARE(device.userProperty(), QStringList({"WORK_MODE", "SPEED", "PRESSURE", "CAMERA_OFFSET", "SP1", "SP2"}));

    // Mode 0 without TASK_PLT: only the copies go out and no start time is set.
    device.startTask();
    QVERIFY(peer.wait_frames(1));
    QCOMPARE(peer.bodies(), QStringList{"30,1;"});
    QVERIFY(!device.property_ptr("TASK_START_TIME"));

    // Mode 2: nothing is sent, the start time is set.
    device.property_ptr("TASK_MODE")->setValue(2);
    device.startTask();
    QVERIFY(device.property_ptr("TASK_START_TIME")->value().toDateTime().isValid());

    // Jog commands, one per axis, Y first; only the sign counts.
    for (const char *key : {"MOVE_X", "MOVE_Y"}) {
        auto *p = new VXDeviceProperty;
        p->init(0, key, "", key[5] == 'X' ? 82 : 83, key[5] == 'X' ? 82 : 83, 1, VXDeviceInterface::CMD, {});
        vx::attach_property(&device, key, p);
    }
    device.move(-3, 7);
    QVERIFY(peer.wait_frames(3));
    QCOMPARE(peer.bodies().mid(1), QStringList({"SET83:100;", "SET82:32868;"}));
}

QTEST_GUILESS_MAIN(tst_job_flow)
#include "tst_job_flow.moc"

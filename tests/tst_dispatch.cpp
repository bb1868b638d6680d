// Reply dispatch: which property a reply reaches, progress reports,
// QR-code replies, a meaning added for the host, and the CMD field splitter.
#include "catalogue_builder_p.h"
#include "reply.h"
#include "vxcommoninterface_p.h"
#include "frame.h"
#include "reply_meaning.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"
#include "test_text.h"

#include <QtCore/QJsonObject>
#include <QtCore/QScopedPointer>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

namespace {

QString reply(const char *name, const char *body)
{
    return QString::fromUtf8(vx::frame(name, body));
}

// A meaning the plugin does not have, added as a new one would be.
const vx::protocol::MeaningRow kMaterialEnd{vx::protocol::Meaning::Host, vx::protocol::FrameKind::CCMD, 77, false,
                                            "material end", VXDeviceInterface::DevTasK, "MATERIAL END"};

} // namespace

class tst_dispatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { vx::protocol::add_meaning(kMaterialEnd); }
    void init();
    void routing_data();
    void routing();
    void cmd_family_routing_data();
    void cmd_family_routing();
    void first_registered_property_wins();
    void progress_report();
    void progress_percent_data();
    void progress_percent();
    void progress_counters_data();
    void progress_counters();
    void short_progress_report();
    void progress_creates_missing_task();
    void qrcode_replies_data();
    void qrcode_replies();
    void host_meanings_data();
    void host_meanings();
    void field_splitter_data();
    void field_splitter();

private:
    VXCommonInterface *base() { return static_cast<VXCommonInterface *>(m_device.data()); }
    QVariant value(const char *key) { return m_device->property_ptr(key)->value(); }

    VXLT3050PROCam m_root;
    QScopedPointer<VXDeviceInterface> m_device;
};

void tst_dispatch::init()
{
    m_device.reset(m_root.initInstance());
}

// Each row goes to the base dispatcher; the column says which property
// must hold which value afterwards (unchanged ones keep their initial value).
void tst_dispatch::routing_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("speed with its parameter") << reply("CCMD", "7,0,0,150;") << "SPEED" << QVariant(150u);
    QTest::newRow("speed by write number") << reply("CCMD", "6,0,0,120;") << "SPEED" << QVariant(120u);
    QTest::newRow("one value for one parameter") << reply("CCMD", "7,0,150;") << "SPEED" << QVariant(0u);
    QTest::newRow("last value 0 is ignored") << reply("CCMD", "9,0,0,0;") << "PRESSURE" << QVariant(0u);
    QTest::newRow("failure result") << reply("CCMD", "7,1,0,150;") << "SPEED" << QVariant(0u);
    QTest::newRow("no values") << reply("CCMD", "51,0;") << "FIRMWARE" << QVariant("");
    QTest::newRow("firmware") << reply("CCMD", "51,0,V3.4.37;") << "FIRMWARE" << QVariant("V3.4.37");
    QTest::newRow("cut quality") << reply("CCMD", "64,0,2;") << "WORK_MODE" << QVariant(2u);
    QTest::newRow("scale x by read number") << reply("CCMD", "61,0,100.5;") << "SCALE_X" << QVariant(100.5);
    QTest::newRow("scale y by write number") << reply("CCMD", "21,0,99.5;") << "SCALE_Y" << QVariant(99.5);
    QTest::newRow("camera offset x") << reply("CCMD", "18,0,0.5,-20;") << "CAMERA_OFFSET_X" << QVariant(0.5);
    QTest::newRow("camera offset y") << reply("CCMD", "17,0,0.5,-20;") << "CAMERA_OFFSET_Y" << QVariant(-20.0);
    QTest::newRow("copies go to TASK_COPIES") << reply("CCMD", "30,0,3;") << "TASK_COPIES" << QVariant(3);
    QTest::newRow("not to TASK_REPEAT") << reply("CCMD", "30,0,3;") << "TASK_REPEAT" << QVariant(1);
    QTest::newRow("job control is never routed") << reply("CCMD", "27,0,1;") << "TASK_STOP" << QVariant(2);
    QTest::newRow("job control 125 neither") << reply("CCMD", "125,0,1;") << "TASK_PAUSE" << QVariant(0);
    QTest::newRow("lower-case kind is ignored") << reply("ccmd", "51,0,V9;") << "FIRMWARE" << QVariant("");
    QTest::newRow("unknown kind") << reply("PLT", "51,0,V9;") << "FIRMWARE" << QVariant("");
    QTest::newRow("too few parts") << QStringLiteral("\x02" "8;CCMD") << "FIRMWARE" << QVariant("");
    QTest::newRow("CMD reply has no CMD property here") << reply("CMD", "GET12:5;GET13:7;")
                                                        << "SPEED" << QVariant(0u);
    QTest::newRow("text code reads as 0 and reaches a write number 0")
        << reply("CCMD", "abc,0,ready;") << "DEVICE_STATUS" << QVariant("ready");
}

void tst_dispatch::routing()
{
    QFETCH(QString, frame);
    QFETCH(QString, key);
    QSignalSpy changed(m_device->property_ptr(key.toLatin1().constData()), &VXDeviceProperty::valueChanged);
    base()->VXCommonInterface::decode_cmd(frame);
    QTEST(value(key.toLatin1().constData()), "expected");
    QCOMPARE(changed.count(), 0); // replies store silently
}

// The "157" family's settings are CMD properties, one or three addresses wide.
void tst_dispatch::cmd_family_routing_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("one address") << reply("CMD", "GET26:250;") << "PU_SPEED" << QVariant(250u);
    QTest::newRow("three addresses") << reply("CMD", "GET11:4464;GET12:1;GET13:0;") << "CAMERA_OFFSET_X"
                                     << QVariant(70000);
    QTest::newRow("three addresses, high word set") << reply("CMD", "GET14:65336;GET15:65535;GET16:0;")
                                                    << "CAMERA_OFFSET_Y" << QVariant(-200);
}

void tst_dispatch::cmd_family_routing()
{
    QFETCH(QString, frame);
    QFETCH(QString, key);
    VXCommonInterface device;
    vx::fill_catalogue(&device, "init157");
    vx::fill_catalogue(&device, "camera_offset_157");
    device.decode_cmd(frame);
    QTEST(device.property_ptr(key.toLatin1().constData())->value(), "expected");
}

void tst_dispatch::first_registered_property_wins()
{
    VXCommonInterface device;
    auto add = [&device](const char *key, int read, int write) {
        auto *p = new VXDeviceProperty;
        p->init(0, key, "", read, write, 1, VXDeviceInterface::CMD, {});
        device.setProperty(key, QVariant::fromValue(static_cast<void *>(p)));
        return p;
    };
    VXDeviceProperty *first = add("FIRST", 12, 12);
    VXDeviceProperty *second = add("SECOND", 12, 12);
    device.decode_cmd(reply("CMD", "GET12:5;GET13:7;"));
    QCOMPARE(first->value(), QVariant(5 | (7 << 16)));
    QCOMPARE(second->value(), QVariant(0));

    // A key that holds no property ends the walk before later ones.
    VXCommonInterface other;
    other.setProperty("NOTE", QStringLiteral("not a pointer"));
    auto *later = new VXDeviceProperty;
    later->init(0, "later", "", 12, 12, 1, VXDeviceInterface::CMD, {});
    other.setProperty("LATER", QVariant::fromValue(static_cast<void *>(later)));
    other.decode_cmd(reply("CMD", "GET12:9;"));
    QCOMPARE(later->value(), QVariant(0));
}

void tst_dispatch::progress_report()
{
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    QSignalSpy changed(m_device->property_ptr("TASK"), &VXDeviceProperty::valueChanged);
    const QString frame = reply("CCMD", "66,1,box.plt,2,0,37.9,0,0,0;");
    base()->VXCommonInterface::decode_cmd(frame);
    const QJsonObject record = value("TASK").toJsonObject();
    QCOMPARE(record, QJsonObject({{"Status", 1}, {"FileName", "box.plt"}, {"TaskCopies", 2},
                                  {"Finished", 0}, {"Percent", 37}}));
    QCOMPARE(message_texts(messages, VXDeviceInterface::DevTasK), QStringList{"66,1,box.plt,2,0,37.9,0,0,0"});
    QCOMPARE(changed.count(), 1);

    base()->VXCommonInterface::decode_cmd(frame); // the same text again: nothing
    QCOMPARE(messages.count(), 1);
    base()->VXCommonInterface::decode_cmd(reply("CCMD", "66,1,box.plt,2,0,38.0,0,0,0;"));
    QCOMPARE(messages.count(), 2);
    QCOMPARE(value("TASK").toJsonObject().value("Percent").toInt(), 38);
}

void tst_dispatch::progress_percent_data()
{
    QTest::addColumn<QString>("percent");
    QTest::addColumn<int>("expected");
    QTest::newRow("truncated") << "99.99" << 99;
    QTest::newRow("toward zero") << "-0.5" << 0;
    QTest::newRow("not a number") << "abc" << 0;
    QTest::newRow("whole") << "100" << 100;
    QTest::newRow("infinite") << "inf" << 0;
    QTest::newRow("huge") << "1e300" << 0;
}

void tst_dispatch::progress_percent()
{
    QFETCH(QString, percent);
    VXCommonInterfacePrivate::get(base())->decode_task(QStringLiteral("66,1,a,1,0,%1,0,0,0").arg(percent));
    QTEST(value("TASK").toJsonObject().value("Percent").toInt(), "expected");
}

// A report the job cannot have produced leaves counters it can.
void tst_dispatch::progress_counters_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("finished");
    QTest::addColumn<int>("percent");
    QTest::newRow("in range") << "66,1,a,3,2,70,0,0,0" << 3 << 2 << 70;
    QTest::newRow("negative finished") << "66,1,a,3,-5,70,0,0,0" << 3 << 0 << 70;
    QTest::newRow("more finished than copies") << "66,1,a,3,9,70,0,0,0" << 3 << 3 << 70;
    QTest::newRow("negative copies and percent") << "66,1,a,-3,1,-7,0,0,0" << 0 << 0 << 0;
    QTest::newRow("percent past the end") << "66,1,a,3,2,250,0,0,0" << 3 << 2 << 100;
}

void tst_dispatch::progress_counters()
{
    QFETCH(QString, field);
    VXCommonInterfacePrivate::get(base())->decode_task(field);
    const QJsonObject record = value("TASK").toJsonObject();
    QTEST(record.value("TaskCopies").toInt(), "copies");
    QTEST(record.value("Finished").toInt(), "finished");
    QTEST(record.value("Percent").toInt(), "percent");
}

void tst_dispatch::short_progress_report()
{
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    const QJsonObject before = value("TASK").toJsonObject();
    const QString frame = reply("CCMD", "66,1,box.plt,2,0,37.9,0,0;");
    base()->VXCommonInterface::decode_cmd(frame);
    base()->VXCommonInterface::decode_cmd(frame);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(value("TASK").toJsonObject(), before);
}

void tst_dispatch::progress_creates_missing_task()
{
    VXCommonInterface device;
    vx::fill_catalogue(&device, "init437");
    QVERIFY(!device.property_ptr("TASK"));
    device.decode_cmd(reply("CCMD", "66,1,a.plt,1,0,5,0,0,0;"));
    VXDeviceProperty *task = device.property_ptr("TASK");
    QVERIFY(task);
    QCOMPARE(task->label(), QStringLiteral("当前任务"));
    QCOMPARE(task->value().toJsonObject().value("FileName").toString(), QStringLiteral("a.plt"));
}

void tst_dispatch::qrcode_replies_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("code 11") << reply("CCMD", "11,0,A1B2;") << QStringList{"A1B2"};
    QTest::newRow("single item 55") << reply("CCMD", "55;") << QStringList{"55"};
    QTest::newRow("failed 11 still forwarded") << reply("CCMD", "11,1;") << QStringList{"1"};
    QTest::newRow("other codes are not") << reply("CCMD", "12,0,A1B2;") << QStringList();
}

void tst_dispatch::qrcode_replies()
{
    QFETCH(QString, frame);
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    base()->VXCommonInterface::decode_cmd(frame);
    QTEST(message_texts(messages, VXDeviceInterface::Qrcode), "texts");
}

// Through the machine's dispatcher, as a connected device reads replies.
void tst_dispatch::host_meanings_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("added meaning reaches the host") << reply("CCMD", "77,0;") << QStringList{"MATERIAL END"};
    QTest::newRow("its refusal does not") << reply("CCMD", "77,1;") << QStringList();
    QTest::newRow("a code without a row does not") << reply("CCMD", "78,0;") << QStringList();
}

void tst_dispatch::host_meanings()
{
    QFETCH(QString, frame);
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    base()->decode_cmd(frame);
    QTEST(message_texts(messages, VXDeviceInterface::DevTasK), "texts");
}

void tst_dispatch::field_splitter_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("value");
    QTest::newRow("full") << "GET12:345" << "GET" << 12 << "345";
    QTest::newRow("no letters") << "12:345" << "" << 12 << "345";
    QTest::newRow("no colon") << "OK" << "OK" << 0 << "OK";
    QTest::newRow("number without colon") << "AB12" << "AB" << 12 << "AB12";
    QTest::newRow("two colons") << "A1:B:C" << "A" << 0 << "C";
    QTest::newRow("colon after the name") << "GET:5" << "GET" << 0 << "5";
    QTest::newRow("empty") << "" << "" << 0 << "";
    QTest::newRow("lower case is no name") << "get12:5" << "" << 0 << "5";
    QTest::newRow("non-ASCII value") << "GET12:中文 é" << "GET" << 12 << "中文 é";
}

void tst_dispatch::field_splitter()
{
    QFETCH(QString, field);
    QString name;
    QString value;
    int number = -1;
    vx::protocol::parse_cmd_field(field, name, number, value);
    QTEST(name, "name");
    QTEST(number, "number");
    QTEST(value, "value");
}

QTEST_GUILESS_MAIN(tst_dispatch)
#include "tst_dispatch.moc"

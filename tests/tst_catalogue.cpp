// The "437" catalogue and the machine's property set: keys in registration
// order, command recipes, frames and editor descriptions.
#include "catalogue_builder_p.h"
#include "catalogue_snapshot.h"
#include "property_keys_p.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"
#include "test_text.h"

#include <QtCore/QJsonObject>
#include <QtCore/QScopedPointer>
#include <QtTest/QtTest>

namespace {

const QStringList kInit437Keys = {
    "STATUS", "DEVICE_STATUS", "TCP_PORT", "FILE_PREVIEW", "TASK_FILE_INFO", "GET_QRCODE",
    "QRCODE_FILE", "TASK_COPIES", "TASK_PPLT", "TASK_STOP", "TASK_PAUSE", "TASK_RESUME",
    "TASK_MODE", "LAST_TIME", "CONNECT_MODE", "DEVICE_CLOUD", "WORK_MODE"};

} // namespace

class tst_catalogue : public QObject
{
    Q_OBJECT

private slots:
    void init437_keys_in_order();
    void catalogue_437_frames_data();
    void catalogue_437_frames();
    void recipes_data();
    void recipes();
    void work_mode_editor();
    void group_builders();
    void machine_keys_in_order();
    void machine_lacks_other_families_keys();
    void machine_initial_values();
    void machine_composites();
    void machine_key_lists_and_icon();
    void instances_are_independent();
    void every_row_matches_the_snapshot();
    void named_keys_come_from_a_catalogue();

private:
    VXLT3050PROCam m_root;
};

void tst_catalogue::init437_keys_in_order()
{
    VXCommonInterface device;
    vx::fill_catalogue(&device, "init437");
    QCOMPARE(keys_of(device), kInit437Keys);
}

void tst_catalogue::catalogue_437_frames_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value"); // set before the write frame; invalid keeps the initial one
    QTest::addColumn<QByteArray>("readFrame");
    QTest::addColumn<QByteArray>("writeFrame");

    QTest::newRow("WORK_MODE") << "WORK_MODE" << QVariant(2) << wire("<STX>13;CCMD;64;<ETX>")
                               << wire("<STX>15;CCMD;23,2;<ETX>");
    QTest::newRow("FIRMWARE") << "FIRMWARE" << QVariant() << wire("<STX>13;CCMD;51;<ETX>") << QByteArray();
    QTest::newRow("DEVICE_ID") << "DEVICE_ID" << QVariant("SN1") << wire("<STX>13;CCMD;45;<ETX>")
                               << wire("<STX>17;CCMD;44,SN1;<ETX>");
    QTest::newRow("TASK_PPLT") << "TASK_PPLT" << QVariant("abc") << QByteArray() << wire("<STX>13;PPLT;abc<ETX>");
    QTest::newRow("TASK_PPLT, a page of 120 bytes") << "TASK_PPLT" << QVariant(QString("PU0,0;").repeated(20)) << QByteArray()
                                                    << wire("<STX>131;PPLT;") + QByteArray("PU0,0;").repeated(20) + '\x03';
    QTest::newRow("TASK_PAUSE") << "TASK_PAUSE" << QVariant() << wire("<STX>13;CCMD;27;<ETX>")
                                << wire("<STX>15;CCMD;27,0;<ETX>");
    QTest::newRow("TASK_STOP") << "TASK_STOP" << QVariant() << wire("<STX>13;CCMD;27;<ETX>")
                               << wire("<STX>15;CCMD;27,2;<ETX>");
    QTest::newRow("TASK_RESUME") << "TASK_RESUME" << QVariant() << wire("<STX>13;CCMD;27;<ETX>")
                                 << wire("<STX>15;CCMD;27,1;<ETX>");
    QTest::newRow("TASK_COPIES") << "TASK_COPIES" << QVariant() << wire("<STX>13;CCMD;30;<ETX>")
                                 << wire("<STX>15;CCMD;30,1;<ETX>");
    QTest::newRow("status request") << "DEVICE_STATUS" << QVariant() << wire("<STX>12;CCMD;4;<ETX>") << QByteArray();
    QTest::newRow("qr request") << "GET_QRCODE" << QVariant() << wire("<STX>13;CCMD;11;<ETX>") << QByteArray();
    for (const char *key : {"STATUS", "TCP_PORT", "FILE_PREVIEW", "TASK_FILE_INFO", "LAST_TIME",
                            "CONNECT_MODE", "DEVICE_CLOUD"})
        QTest::newRow(key) << key << QVariant() << QByteArray() << QByteArray();
}

void tst_catalogue::catalogue_437_frames()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QScopedPointer<VXDeviceInterface> device(m_root.initInstance());
    VXDeviceProperty *p = device->property_ptr(key.toLatin1().constData());
    QVERIFY(p);
    if (value.isValid())
        p->setValue(value);
    QTEST(p->get_cmd_bytes(), "readFrame");
    const QByteArray written = p->set_cmd_bytes();
    QTEST(written, "writeFrame");
    // Held while a trace waits for its disk: the bytes, not a conversion's spare room.
    QCOMPARE(written.capacity(), written.size());
}

void tst_catalogue::recipes_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("read");
    QTest::addColumn<int>("write");
    QTest::addColumn<int>("len");
    QTest::addColumn<QStringList>("params");

    auto row = [](const char *key, const char *label, const char *unit, int kind, int read,
                  int write, int len, QStringList params = {}) {
        QTest::newRow(key) << key << QString::fromUtf8(label) << QString::fromUtf8(unit) << kind
                           << read << write << len << params;
    };
    row("SCALE_X", "x", "", VXDeviceInterface::CCMD, 61, 20, 1);
    row("SCALE", "缩放", "", VXDeviceInterface::UnCMD, 0, 0, 0);
    row("TASK_COPIES", "份数", "份", VXDeviceInterface::CCMD, 30, 30, 1);
    row("TASK_MODE", "任务模式", "", VXDeviceInterface::CCMD, 32, 32, 1);
    row("QRCODE_FILE", "二维码文件", "", VXDeviceInterface::CCMD, 55, 55, 1);
    row("LAST_TIME", "", "", VXDeviceInterface::UnCMD, 0, 0, 0);
    row("CAMERA_OFFSET", "摄像头偏移", "(mm x mm)", VXDeviceInterface::CCMD, 18, 17, 1);
    row("SPEED", "速度", "(mm/s)", VXDeviceInterface::CCMD, 7, 6, 1, {"0"});
    row("PRESSURE", "压力", "(gf)", VXDeviceInterface::CCMD, 9, 8, 1, {"0"});
    row("PCB_VERSION", "PCB版本", "", VXDeviceInterface::CCMD, 49, 48, 1);
    row("MOVE", "移动", "", VXDeviceInterface::CCMD, 0, 65, 1);
    row("TASK_REPEAT", "重复上次", "", VXDeviceInterface::CCMD, 0, 30, 1);
    row("SET_WIFI", "设置WIFI", "", VXDeviceInterface::CCMD, 0, 0, 1);
}

void tst_catalogue::recipes()
{
    QFETCH(QString, key);
    QScopedPointer<VXDeviceInterface> device(m_root.initInstance());
    VXDeviceProperty *p = device->property_ptr(key.toLatin1().constData());
    QVERIFY(p);
    // Without a translation loaded the labels read as written.
    QTEST(p->label(), "label");
    QTEST(p->uint(), "unit");
    QTEST(int(p->cmd_type()), "kind");
    QTEST(p->get_cmd_int(), "read");
    QTEST(p->set_cmd_int(), "write");
    QTEST(p->cmd_len(), "len");
    QTEST(p->param(), "params");
}

void tst_catalogue::work_mode_editor()
{
    QScopedPointer<VXDeviceInterface> device(m_root.initInstance());
    const VXDeviceProperty *p = device->property_ptr("WORK_MODE");
    const QJsonObject editor = p->property("WIDGET").toJsonObject();
    QCOMPARE(editor.value("widget").toString(), QStringLiteral("QComboBox"));
    QCOMPARE(editor.value("option").toString(), QStringLiteral("   速度优先;   平衡;   精度优先"));
    QCOMPARE(p->value().userType(), int(QMetaType::UInt));
    QVERIFY(device->property_ptr("STATUS")->property("WIDGET").isNull());
}

void tst_catalogue::group_builders()
{
    VXCommonInterface device;
    vx::fill_catalogue(&device, "camera_offset_437");
    vx::fill_catalogue(&device, "work_area_437");
    vx::fill_catalogue(&device, "scale_437");
    QCOMPARE(keys_of(device), QStringList({"CAMERA_OFFSET_X", "CAMERA_OFFSET_Y", "CAMERA_OFFSET",
                                           "WORKAREA_X", "WORKAREA_Y", "WORKAREA", "SCALE_X",
                                           "SCALE_Y", "SCALE"}));

    VXDeviceProperty *offset = device.property_ptr("CAMERA_OFFSET");
    QCOMPARE(offset->property_ptr("CAMERA_OFFSET_X"), device.property_ptr("CAMERA_OFFSET_X"));
    device.property_ptr("CAMERA_OFFSET_X")->setValue(1.5);
    device.property_ptr("CAMERA_OFFSET_Y")->setValue(-2.0);
    QCOMPARE(offset->set_cmd_bytes(), wire("<STX>20;CCMD;15,1.5,-2;<ETX>"));
    offset->set_decode(QStringList{"0.25", "3"});
    QCOMPARE(device.property_ptr("CAMERA_OFFSET_X")->value(), QVariant(0.25));
    QCOMPARE(device.property_ptr("CAMERA_OFFSET_Y")->value(), QVariant(3.0));
    QCOMPARE(offset->property("WIDGET").toJsonObject().value("widget").toString(), QStringLiteral("QGroupBox"));
    const QJsonObject axis = device.property_ptr("CAMERA_OFFSET_Y")->property("WIDGET").toJsonObject();
    QCOMPARE(axis.value("min").toDouble(), -1000.0);
    QCOMPARE(axis.value("max").toDouble(), 1000.0);

    QCOMPARE(device.property_ptr("WORKAREA")->get_cmd_bytes(), wire("<STX>13;CCMD;63;<ETX>"));
    QCOMPARE(device.property_ptr("SCALE")->get_cmd_bytes(), QByteArray());
    QCOMPARE(device.property_ptr("SCALE")->set_cmd_bytes(), QByteArray());
    QCOMPARE(device.property_ptr("SCALE_X")->get_cmd_bytes(), wire("<STX>13;CCMD;61;<ETX>"));
    QCOMPARE(keys_of(*device.property_ptr("SCALE")), QStringList({"SCALE_X", "SCALE_Y", "WIDGET"}));
}

void tst_catalogue::machine_keys_in_order()
{
    QScopedPointer<VXDeviceInterface> device(m_root.initInstance());
    QStringList expected = {"SCALE_X", "SCALE_Y", "SCALE"};
    expected << kInit437Keys;
    expected << QStringList{"TASK", "CAMERA_OFFSET_X", "CAMERA_OFFSET_Y", "CAMERA_OFFSET", "SPEED",
                            "PRESSURE", "FIRMWARE", "DEVICE_ID", "PCB_ID", "PCB_VERSION",
                            "DEVICE_MODEL", "DEVICE_MODEL_NAME", "MOVE", "TASK_REPEAT", "SET_WIFI"};
    QCOMPARE(expected.size(), 35);
    QCOMPARE(keys_of(*device), expected);
    for (const QString &key : expected)
        QVERIFY2(device->property_ptr(key.toLatin1().constData()), qPrintable(key));
}

void tst_catalogue::machine_lacks_other_families_keys()
{
    QScopedPointer<VXDeviceInterface> device(m_root.initInstance());
    for (const char *key : {"DEVICE_INFO", "MOVE_X", "MOVE_Y", "TASK_PLT", "QRCODE_COPIES",
                            "HEARTBEAT", "SET_MARK", "USB", "TCP", "WIDGET"})
        QVERIFY2(!device->property_ptr(key), key);
}

void tst_catalogue::machine_initial_values()
{
    QScopedPointer<VXDeviceInterface> device(m_root.initInstance());
    const QJsonObject task = device->property_ptr("TASK")->value().toJsonObject();
    QCOMPARE(task, QJsonObject({{"Finished", 0}, {"Status", 0}, {"TaskCopies", 0}, {"Percent", 100}}));
    QVERIFY(!task.contains("FileName"));
    QCOMPARE(device->property_ptr("TCP_PORT")->value(), QVariant(9100));
    QCOMPARE(device->property_ptr("STATUS")->value(), QVariant(0));
    QCOMPARE(device->property_ptr("DEVICE_MODEL")->value(), QVariant("VX-LT3050PROCam"));
    QCOMPARE(device->property_ptr("DEVICE_MODEL_NAME")->value().toString(), QStringLiteral("LT3050传送带平板机"));
    QCOMPARE(device->property_ptr("SCALE_X")->value(), QVariant(1.0));
    QCOMPARE(device->property_ptr("FILE_PREVIEW")->value().userType(), int(QMetaType::QByteArray));
    QCOMPARE(device->property_ptr("LAST_TIME")->value().userType(), int(QMetaType::QDateTime));
    QVERIFY(!device->property_ptr("GET_QRCODE")->value().isValid());
    QVERIFY(!device->property_ptr("SCALE")->value().isValid());
    QCOMPARE(device->property_ptr("SET_WIFI")->set_cmd_bytes(), QByteArray());
    QCOMPARE(device->property_ptr("TASK_REPEAT")->set_cmd_bytes(), wire("<STX>15;CCMD;30,1;<ETX>"));
}

void tst_catalogue::machine_composites()
{
    QScopedPointer<VXDeviceInterface> device(m_root.initInstance());
    VXDeviceProperty *offset = device->property_ptr("CAMERA_OFFSET");
    QCOMPARE(offset->value().toStringList(), QStringList({"CAMERA_OFFSET_X", "CAMERA_OFFSET_Y"}));
    QCOMPARE(offset->property_ptr("CAMERA_OFFSET_Y"), device->property_ptr("CAMERA_OFFSET_Y"));
    const QJsonObject y = device->property_ptr("CAMERA_OFFSET_Y")->property("WIDGET").toJsonObject();
    QCOMPARE(y.value("min").toDouble(), -22.0);
    QCOMPARE(y.value("max").toDouble(), -18.0);
    QCOMPARE(device->property_ptr("SCALE")->property_ptr("SCALE_X"), device->property_ptr("SCALE_X"));
    const QJsonObject speed = device->property_ptr("SPEED")->property("WIDGET").toJsonObject();
    QCOMPARE(speed, QJsonObject({{"widget", "QSpinBox"}, {"max", 300}, {"min", 10}}));
}

void tst_catalogue::machine_key_lists_and_icon()
{
    QScopedPointer<VXDeviceInterface> device(m_root.initInstance());
    QCOMPARE(device->userProperty(), QStringList({"WORK_MODE", "PRESSURE", "SPEED", "SCALE", "CAMERA_OFFSET"}));
    QCOMPARE(device->sysProperty(), QStringList({"DEVICE_MODEL_NAME", "DEVICE_INFO", "FIRMWARE",
                                                 "DEVICE_ID", "PCB_ID", "PCB_VERSION"}));
    QCOMPARE(device->icon(), 58918);
    QCOMPARE(m_root.icon(), 58918);
    QVERIFY(m_root.dynamicPropertyNames().isEmpty()); // the root carries no catalogue
}

void tst_catalogue::instances_are_independent()
{
    QScopedPointer<VXDeviceInterface> a(m_root.initInstance());
    QScopedPointer<VXDeviceInterface> b(m_root.initInstance());
    QVERIFY(a->property_ptr("SPEED") != b->property_ptr("SPEED"));
    a->property_ptr("SPEED")->setValue(200u);
    QCOMPARE(b->property_ptr("SPEED")->value(), QVariant(0u));
    QVERIFY(a->parent() == nullptr);
}

// Every row of every catalogue and the machine, against the checked
// snapshot. After a deliberate catalogue change, regenerate it with
// build/bin/vxcatalogue_snapshot > tests/data/catalogue.snapshot
void tst_catalogue::every_row_matches_the_snapshot()
{
    QFile file(QStringLiteral(CATALOGUE_SNAPSHOT));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QStringList expected = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList actual = catalogue_snapshot();
    for (int i = 0; i < qMin(actual.size(), expected.size()); ++i)
        QCOMPARE(actual.at(i), expected.at(i));
    QCOMPARE(actual.size(), expected.size());
}

// The keys the code looks up by name are keys some catalogue creates.
void tst_catalogue::named_keys_come_from_a_catalogue()
{
    const QStringList lines = catalogue_snapshot();
    for (const char *key : vx::key::kCatalogueKeys)
        QVERIFY2(!lines.filter(QRegularExpression(QStringLiteral("^\\w+ %1 ").arg(QLatin1String(key)))).isEmpty(), key);
}

QTEST_GUILESS_MAIN(tst_catalogue)
#include "tst_catalogue.moc"


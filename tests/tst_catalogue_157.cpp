// The "157" catalogue: keys in registration order, group membership and
// held order, command frames, editor descriptions and the generic instance.
#include "catalogue_builder_p.h"
#include "vxcommoninterface.h"
#include "vxdeviceproperty.h"
#include "test_text.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QScopedPointer>
#include <QtCore/QTranslator>
#include <QtTest/QtTest>

namespace {

// Every catalogue of the family, by registered name.
const char *const kBuilders[] = {"init157", "info_157", "camera_offset_157", "work_area_157", "scale_157",
                                 "feed_157", "tool_space_157", "sp1_157", "sp2_157", "move_157"};

// A device carrying every entry of the family.
void build_all(VXCommonInterface *device)
{
    for (const char *name : kBuilders)
        QVERIFY(vx::fill_catalogue(device, name));
}

QJsonObject json(const char *text)
{
    return QJsonDocument::fromJson(QByteArray(text)).object();
}

const QStringList kInit157Keys = {
    "STATUS", "TCP_PORT", "CONNECT_MODE", "QRCODE_COPIES", "QRCODE_FILE", "TASK_COPIES",
    "TASK_PLT", "TASK_STOP", "TASK_PAUSE", "TASK_RESUME", "QR_PLT", "FLAG_POINT",
    "BACK_FLAG_POINT", "TASK_MODE", "LAST_TIME", "HEARTBEAT", "FILE_PREVIEW", "TASK_FILE_INFO",
    "WORK_MODE", "PU_SPEED", "DEVICE_CLOUD"};

} // namespace

class tst_catalogue_157 : public QObject
{
    Q_OBJECT

private slots:
    void init157_keys_in_order();
    void device_info_composite();
    void groups_data();
    void groups();
    void frames_data();
    void frames();
    void editors_data();
    void editors();
    void translated_texts_data();
    void translated_texts();
    void init_instance_gives_generic_device();
};

void tst_catalogue_157::init157_keys_in_order()
{
    VXCommonInterface device;
    vx::fill_catalogue(&device, "init157");
    QCOMPARE(keys_of(device), kInit157Keys);
    QStringList with_editor;
    for (const QString &key : kInit157Keys) {
        if (!device.property_ptr(qPrintable(key))->property("WIDGET").isNull())
            with_editor << key;
    }
    QCOMPARE(with_editor, QStringList({"WORK_MODE", "PU_SPEED"}));
}

void tst_catalogue_157::device_info_composite()
{
    VXCommonInterface device;
    vx::fill_catalogue(&device, "info_157");
    QCOMPARE(keys_of(device), QStringList({"FIRMWARE", "DEVICE_ID", "PCB_ID", "PCB_VERSION",
                                           "DEVICE_CONFIG_NO", "DEVICE_UNIQUE_ID", "DEVICE_MODEL",
                                           "DEVICE_INFO"}));

    VXDeviceProperty *info = device.property_ptr("DEVICE_INFO");
    const QStringList members = {"DEVICE_MODEL", "DEVICE_ID", "PCB_ID", "PCB_VERSION", "FIRMWARE",
                                 "DEVICE_CONFIG_NO"};
    QCOMPARE(info->value().toStringList(), members);
    QCOMPARE(keys_of(*info), members); // held in the same order, and no editor
    for (const QString &key : members) {
        const QByteArray k = key.toLatin1();
        QCOMPARE(info->property_ptr(k.constData()), device.property_ptr(k.constData()));
    }
    QVERIFY(!info->property_ptr("DEVICE_UNIQUE_ID"));

    // One reply fills all six, in the field order of the key list.
    QCOMPARE(info->get_cmd_bytes(), wire("<STX>12;CCMD;2;<ETX>"));
    QCOMPARE(info->set_cmd_bytes(), QByteArray());
    const QStringList fields = {"M-1", "SN9", "PCB7", "V2", "FW3.1", "C42"};
    info->set_decode(fields);
    for (int i = 0; i < members.size(); ++i)
        QCOMPARE(device.property_ptr(qPrintable(members[i]))->value(), QVariant(fields[i]));
}

void tst_catalogue_157::groups_data()
{
    QTest::addColumn<QString>("builder");
    QTest::addColumn<QStringList>("keys");     // on the device, in creation order
    QTest::addColumn<QString>("group");        // empty: the builder makes no group
    QTest::addColumn<QStringList>("held");     // the group's sub-properties, in held order
    QTest::addColumn<QString>("container");

    QTest::newRow("camera offset, factory setting outside the group")
        << "camera_offset_157"
        << QStringList{"CAMERA_OFFSET_X", "CAMERA_OFFSET_Y", "CAMERA_OFFSET", "FACTORY_SET"}
        << "CAMERA_OFFSET" << QStringList{"CAMERA_OFFSET_X", "CAMERA_OFFSET_Y"} << "QGroupBox";
    QTest::newRow("work area") << "work_area_157" << QStringList{"WORKAREA_X", "WORKAREA_Y", "WORKAREA"}
                               << "WORKAREA" << QStringList{"WORKAREA_X", "WORKAREA_Y"} << "QGroupBox";
    QTest::newRow("scale") << "scale_157" << QStringList{"SCALE_X", "SCALE_Y", "SCALE"} << "SCALE"
                           << QStringList{"SCALE_X", "SCALE_Y"} << "QGroupBox";
    QTest::newRow("feed holds its speed before the pump delay")
        << "feed_157"
        << QStringList{"AUTO_FEED", "FEED_MODEL", "FEED_LENGTH", "FEED_CENTER", "FAN_DELAY",
                       "FEED_SPEED", "FEED"}
        << "FEED"
        << QStringList{"AUTO_FEED", "FEED_MODEL", "FEED_LENGTH", "FEED_CENTER", "FEED_SPEED", "FAN_DELAY"}
        << "QTabWidget";
    QTest::newRow("tool offset") << "tool_space_157"
                                 << QStringList{"TOOL_SPACE_X", "TOOL_SPACE_Y", "TOOL_SPACE"}
                                 << "TOOL_SPACE" << QStringList{"TOOL_SPACE_X", "TOOL_SPACE_Y"}
                                 << "QGroupBox";
    QTest::newRow("tool head 1")
        << "sp1_157" << QStringList{"SP1_TOOL", "SP1_SPEED", "SP1_PRESSURE", "SP1_ANGLE", "SP1"} << "SP1"
        << QStringList{"SP1_TOOL", "SP1_SPEED", "SP1_PRESSURE", "SP1_ANGLE"} << "QTabWidget";
    QTest::newRow("tool head 2 holds its tool type first")
        << "sp2_157" << QStringList{"SP2_SPEED", "SP2_PRESSURE", "SP2_TOOL", "SP2_ANGLE", "SP2"} << "SP2"
        << QStringList{"SP2_TOOL", "SP2_SPEED", "SP2_PRESSURE", "SP2_ANGLE"} << "QTabWidget";
    QTest::newRow("jog commands, no group")
        << "move_157" << QStringList{"MOVE_X", "MOVE_Y"} << QString() << QStringList() << QString();
}

void tst_catalogue_157::groups()
{
    QFETCH(QString, builder);
    QFETCH(QStringList, keys);
    QFETCH(QString, group);
    QFETCH(QStringList, held);
    QFETCH(QString, container);

    VXCommonInterface device;
    QVERIFY(vx::fill_catalogue(&device, qPrintable(builder)));
    QCOMPARE(keys_of(device), keys);
    if (group.isEmpty())
        return;

    VXDeviceProperty *g = device.property_ptr(qPrintable(group));
    QCOMPARE(keys_of(*g), held + QStringList{"WIDGET"});
    for (const QString &key : held) {
        const QByteArray k = key.toLatin1();
        QVERIFY2(g->property_ptr(k.constData()) && g->property_ptr(k.constData()) == device.property_ptr(k.constData()),
                 k.constData());
    }
    // A group only gathers editors: no value, no command.
    QVERIFY(!g->value().isValid());
    QCOMPARE(g->cmd_type(), VXDeviceInterface::UnCMD);
    QCOMPARE(g->get_cmd_bytes(), QByteArray());
    QCOMPARE(g->set_cmd_bytes(), QByteArray());
    QCOMPARE(g->property("WIDGET").toJsonObject(), QJsonObject({{"widget", container}}));
}

void tst_catalogue_157::frames_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value"); // set before the write frame; invalid keeps the initial one
    QTest::addColumn<QByteArray>("readFrame");
    QTest::addColumn<QByteArray>("writeFrame");

    const QByteArray none;
    QTest::newRow("heartbeat") << "HEARTBEAT" << QVariant() << wire("<STX>15;CCMD;1010;<ETX>")
                               << wire("<STX>17;CCMD;1010,2;<ETX>");
    QTest::newRow("camera offset x spans addresses 11 to 13")
        << "CAMERA_OFFSET_X" << QVariant(70000u) << wire("<STX>21;CMD;GET11;12;13;<ETX>")
        << wire("<STX>30;CMD;SET11:4464;12:1;13:0;<ETX>");
    QTest::newRow("negative tool offset y in words")
        << "TOOL_SPACE_Y" << QVariant(-200) << wire("<STX>19;CMD;GET8;9;10;<ETX>")
        << wire("<STX>33;CMD;SET8:65336;9:65535;10:0;<ETX>");
    QTest::newRow("work area x is the single address 28")
        << "WORKAREA_X" << QVariant(2000u) << wire("<STX>15;CMD;GET28;<ETX>")
        << wire("<STX>20;CMD;SET28:2000;<ETX>");
    QTest::newRow("stop") << "TASK_STOP" << QVariant() << wire("<STX>16;CMD;GET125;<ETX>")
                          << wire("<STX>18;CMD;SET125:2;<ETX>");
    QTest::newRow("copies are a NUM command") << "TASK_COPIES" << QVariant() << none
                                              << wire("<STX>15;CMD;NUM:1;<ETX>");
    QTest::newRow("job payload") << "TASK_PLT" << QVariant("abc") << none << wire("<STX>12;PLT;abc<ETX>");
    QTest::newRow("QR job payload") << "QR_PLT" << QVariant("abc") << none
                                    << wire("<STX>15;QR_PLT;abc<ETX>");
    QTest::newRow("set origin") << "FLAG_POINT" << QVariant() << wire("<STX>15;CMD;GET87;<ETX>")
                                << wire("<STX>17;CMD;SET87:1;<ETX>");
    QTest::newRow("cut quality") << "WORK_MODE" << QVariant(2u) << wire("<STX>15;CMD;GET27;<ETX>")
                                 << wire("<STX>17;CMD;SET27:2;<ETX>");
    QTest::newRow("jog x") << "MOVE_X" << QVariant(-5) << wire("<STX>15;CMD;GET82;<ETX>")
                           << wire("<STX>18;CMD;SET82:-5;<ETX>");
    QTest::newRow("factory settings are write-only") << "FACTORY_SET" << QVariant() << none
                                                      << wire("<STX>15;CCMD;67,0;<ETX>");
    QTest::newRow("machine number written alone") << "DEVICE_ID" << QVariant("SN1") << none
                                                   << wire("<STX>17;CCMD;44,SN1;<ETX>");
    QTest::newRow("unique id read alone") << "DEVICE_UNIQUE_ID" << QVariant() << wire("<STX>13;CCMD;57;<ETX>")
                                          << none;
    QTest::newRow("firmware only through the information read") << "FIRMWARE" << QVariant("x") << none
                                                                 << none;
    for (const char *key : {"STATUS", "TASK_MODE", "LAST_TIME", "DEVICE_MODEL", "CAMERA_OFFSET", "FEED"})
        QTest::newRow(key) << key << QVariant() << none << none;
}

void tst_catalogue_157::frames()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    VXCommonInterface device;
    build_all(&device);
    VXDeviceProperty *p = device.property_ptr(qPrintable(key));
    QVERIFY(p);
    if (value.isValid())
        p->setValue(value);
    QTEST(p->get_cmd_bytes(), "readFrame");
    QTEST(p->set_cmd_bytes(), "writeFrame");
}

void tst_catalogue_157::editors_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonObject>("editor"); // empty: no description at all

    QTest::newRow("cut quality items")
        << "WORK_MODE"
        << QJsonObject{{"widget", "QComboBox"}, {"option", "   速度优先;   平衡;   精度优先"}};
    QTest::newRow("PU speed") << "PU_SPEED" << json(R"({"widget":"QSpinBox","max":700,"min":10})");
    QTest::newRow("model") << "DEVICE_MODEL" << json(R"({"widget":"QLabel"})");
    QTest::newRow("camera offset in 0.005 mm")
        << "CAMERA_OFFSET_Y"
        << json(R"({"widget":"QDoubleSpinBox","factor":0.005,"max":1000,"min":-1000})");
    QTest::newRow("work area in half millimetres") << "WORKAREA_Y" << json(R"({"widget":"QLineEdit","factor":0.5})");
    QTest::newRow("scale in ten-thousandths") << "SCALE_X" << json(R"({"widget":"QLineEdit","factor":0.0001})");
    QTest::newRow("automatic feed items")
        << "AUTO_FEED" << QJsonObject{{"widget", "QComboBox"}, {"option", "   关;   开"}};
    QTest::newRow("feed distance default range") << "FEED_LENGTH" << json(R"({"widget":"QSpinBox"})");
    QTest::newRow("pump delay") << "FAN_DELAY" << json(R"({"widget":"QSpinBox","max":10000,"min":0})");
    QTest::newRow("head 1 tools with two spaces")
        << "SP1_TOOL" << QJsonObject{{"widget", "QComboBox"}, {"option", "  拖刀;  转刀"}};
    QTest::newRow("head 2 tools without spaces")
        << "SP2_TOOL" << QJsonObject{{"widget", "QComboBox"}, {"option", "拖刀;转刀"}};
    QTest::newRow("pressure factor 19/6")
        << "SP2_PRESSURE"
        << QJsonObject{{"widget", "QSpinBox"}, {"max", 1900}, {"min", 0}, {"factor", 19.0 / 6.0}};
    QTest::newRow("feed page") << "FEED" << json(R"({"widget":"QTabWidget"})");
    for (const char *key : {"HEARTBEAT", "DEVICE_INFO", "MOVE_X"})
        QTest::newRow(key) << key << QJsonObject();
}

void tst_catalogue_157::editors()
{
    QFETCH(QString, key);
    QFETCH(QJsonObject, editor);
    VXCommonInterface device;
    build_all(&device);
    const QVariant held = device.property_ptr(qPrintable(key))->property("WIDGET");
    if (editor.isEmpty()) {
        QVERIFY(held.isNull());
        return;
    }
    QCOMPARE(held.userType(), int(QMetaType::QJsonObject));
    QCOMPARE(held.toJsonObject(), editor);
}

void tst_catalogue_157::translated_texts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("option");

    QTest::newRow("heartbeat unit translated") << "HEARTBEAT" << "Heartbeat" << "s" << QString();
    QTest::newRow("copies unit translated") << "TASK_COPIES" << "Copies" << "copies" << QString();
    QTest::newRow("other units as written") << "FEED_LENGTH" << "Feed distance" << "mm" << QString();
    QTest::newRow("each item translated") << "SP1_TOOL" << "Tool type" << ""
                                          << "  Drag knife;  Rotary knife";
    QTest::newRow("creation time label stays empty") << "LAST_TIME" << "" << "" << QString();
}

void tst_catalogue_157::translated_texts()
{
    QFETCH(QString, key);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("VX-LT3050PROCam_en_US.qm"),
                            QCoreApplication::applicationDirPath() + QStringLiteral("/translations")));
    QCoreApplication::installTranslator(&translator);
    VXCommonInterface device;
    build_all(&device);
    QCoreApplication::removeTranslator(&translator);

    const VXDeviceProperty *p = device.property_ptr(qPrintable(key));
    QTEST(p->label(), "label");
    QTEST(p->uint(), "unit");
    const QString option = p->property("WIDGET").toJsonObject().value("option").toString();
    QTEST(option, "option");
}

void tst_catalogue_157::init_instance_gives_generic_device()
{
    VXCommonInterface root;
    QScopedPointer<VXDeviceInterface> a(root.initInstance());
    QScopedPointer<VXDeviceInterface> b(root.initInstance());
    QVERIFY(a && b && a.data() != b.data());
    QCOMPARE(a->metaObject()->className(), "VXCommonInterface");
    QVERIFY(!a->parent());
    QCOMPARE(keys_of(*a), kInit157Keys);
    QVERIFY(root.dynamicPropertyNames().isEmpty()); // the factory fills the new instance only
    QVERIFY(!a->property_ptr("DEVICE_INFO"));        // the information page is a further step

    a->property_ptr("HEARTBEAT")->setValue(5);
    QCOMPARE(b->property_ptr("HEARTBEAT")->value(), QVariant(2));
    QCOMPARE(a->property_ptr("TCP_PORT")->value(), QVariant(9100));
}

QTEST_GUILESS_MAIN(tst_catalogue_157)
#include "tst_catalogue_157.moc"

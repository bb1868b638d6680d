// The property record: the notifying value rule, copies, lookups, and the
// read/write frames and reply decoding of every command kind.
#include "property_store_p.h"
#include "vxdeviceproperty.h"
#include "test_text.h"

#include <QtCore/QJsonObject>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using Kind = VXDeviceInterface::VXDeviceCMDType;
Q_DECLARE_METATYPE(Kind)

namespace {

// A property that owns its sub-properties, as a device would.
struct Composite
{
    VXDeviceProperty parent;
    VXDeviceProperty x, y;
    Composite(int read, int write, const QVariant &xv, const QVariant &yv)
    {
        x.init(xv, "x", "", 0, 0, 0, VXDeviceInterface::UnCMD, {});
        y.init(yv, "y", "", 0, 0, 0, VXDeviceInterface::UnCMD, {});
        parent.init(QStringList{"X", "Y"}, "xy", "", read, write, 1, VXDeviceInterface::CCMD, {});
        vx::attach_property(&parent, "X", &x);
        vx::attach_property(&parent, "Y", &y);
    }
};

} // namespace

class tst_property : public QObject
{
    Q_OBJECT

private slots:
    void set_value_rule();
    void copy_drops_parameters_and_dynamic_properties();
    void lookup_ignores_non_pointers();
    void frames_data();
    void frames();
    void values_breaking_out_are_refused_data();
    void values_breaking_out_are_refused();
    void length_prefix_data();
    void length_prefix();
    void non_ascii_payload_counts_bytes();
    void cmd_beyond_six_words_writes_zero();
    void decode_one_field_data();
    void decode_one_field();
    void decode_fields_data();
    void decode_fields();
    void composite_round_trip();
    void decoding_never_notifies();
};

void tst_property::set_value_rule()
{
    VXDeviceProperty p;
    p.init(5, "l", "", 0, 0, 0, VXDeviceInterface::UnCMD, {});
    QSignalSpy changed(&p, &VXDeviceProperty::valueChanged);

    p.setValue(5);
    QCOMPARE(changed.count(), 0);
    p.setValue(7);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(p.value().toInt(), 7);
    p.setValue(5); // back to the previous value: silent
    QCOMPARE(changed.count(), 1);
    QCOMPARE(p.value().toInt(), 5);
    p.setValue(9); // previous value is still 5, so this notifies
    QCOMPARE(changed.count(), 2);
    p.setValue(5);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(p.value().toInt(), 5);

    // The Qt property goes through the same rule.
    QVERIFY(p.setProperty("value", 11));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(p.value().toInt(), 11);
}

void tst_property::copy_drops_parameters_and_dynamic_properties()
{
    VXDeviceProperty p;
    p.init(150u, "速度", "(mm/s)", 7, 6, 1, VXDeviceInterface::CCMD, {"0"});
    p.setProperty("WIDGET", QJsonObject{{"widget", "QSpinBox"}});
    VXDeviceProperty copy(p);
    QCOMPARE(copy.value(), p.value());
    QCOMPARE(copy.label(), p.label());
    QCOMPARE(copy.uint(), p.uint());
    QCOMPARE(copy.get_cmd_int(), 7);
    QCOMPARE(copy.set_cmd_int(), 6);
    QVERIFY(copy.param().isEmpty());
    QVERIFY(copy.dynamicPropertyNames().isEmpty());
    QVERIFY(copy.parent() == nullptr);
    QCOMPARE(copy.set_cmd_bytes(), wire("<STX>16;CCMD;6,150;<ETX>"));
}

void tst_property::lookup_ignores_non_pointers()
{
    VXDeviceProperty holder, sub;
    holder.setProperty("WIDGET", QJsonObject{{"widget", "QGroupBox"}});
    holder.setProperty("TEXT", QStringLiteral("not a pointer"));
    vx::attach_property(&holder, "SUB", &sub);
    QVERIFY(holder.property_ptr("WIDGET") == nullptr);
    QVERIFY(holder.property_ptr("TEXT") == nullptr);
    QVERIFY(holder.property_ptr("NEVER") == nullptr);
    QCOMPARE(holder.property_ptr("SUB"), &sub);
    holder.setProperty("SUB", QVariant());
    QVERIFY(holder.property_ptr("SUB") == nullptr);
}

void tst_property::frames_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("read");
    QTest::addColumn<int>("write");
    QTest::addColumn<int>("len");
    QTest::addColumn<QStringList>("params");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("readFrame");
    QTest::addColumn<QByteArray>("writeFrame");

    QTest::newRow("ccmd copies") << VXDeviceInterface::CCMD << 30 << 30 << 1 << QStringList()
        << QVariant(3) << wire("<STX>13;CCMD;30;<ETX>") << wire("<STX>15;CCMD;30,3;<ETX>");
    QTest::newRow("ccmd with parameter") << VXDeviceInterface::CCMD << 7 << 6 << 1 << QStringList{"0"}
        << QVariant(150u) << wire("<STX>14;CCMD;7,0;<ETX>") << wire("<STX>18;CCMD;6,0,150;<ETX>");
    QTest::newRow("ccmd two parameters") << VXDeviceInterface::CCMD << 7 << 6 << 1 << QStringList{"1", "2"}
        << QVariant(9) << wire("<STX>16;CCMD;7,1,2;<ETX>") << wire("<STX>18;CCMD;6,1,2,9;<ETX>");
    QTest::newRow("ccmd double text") << VXDeviceInterface::CCMD << 61 << 20 << 1 << QStringList()
        << QVariant(1.0) << wire("<STX>13;CCMD;61;<ETX>") << wire("<STX>15;CCMD;20,1;<ETX>");
    QTest::newRow("ccmd string") << VXDeviceInterface::CCMD << 45 << 44 << 1 << QStringList()
        << QVariant("SN-7") << wire("<STX>13;CCMD;45;<ETX>") << wire("<STX>18;CCMD;44,SN-7;<ETX>");
    QTest::newRow("cmd two words") << VXDeviceInterface::CMD << 100 << 200 << 2 << QStringList()
        << QVariant(70000) << wire("<STX>20;CMD;GET100;101;<ETX>")
        << wire("<STX>27;CMD;SET200:4464;201:1;<ETX>");
    QTest::newRow("cmd three words") << VXDeviceInterface::CMD << 11 << 11 << 3 << QStringList()
        << QVariant(65537u) << wire("<STX>21;CMD;GET11;12;13;<ETX>")
        << wire("<STX>27;CMD;SET11:1;12:1;13:0;<ETX>");
    QTest::newRow("cmd one address") << VXDeviceInterface::CMD << 200 << 200 << 1 << QStringList()
        << QVariant(5) << wire("<STX>16;CMD;GET200;<ETX>") << wire("<STX>18;CMD;SET200:5;<ETX>");
    QTest::newRow("cmd no length") << VXDeviceInterface::CMD << 200 << 200 << 0 << QStringList()
        << QVariant(5) << QByteArray() << wire("<STX>12;CMD;SET<ETX>");
    QTest::newRow("num") << VXDeviceInterface::NUM << 1 << 1 << 1 << QStringList()
        << QVariant(12) << QByteArray() << wire("<STX>16;CMD;NUM:12;<ETX>");
    QTest::newRow("pplt") << VXDeviceInterface::PPLT << 0 << 1 << 1 << QStringList()
        << QVariant("abc") << QByteArray() << wire("<STX>13;PPLT;abc<ETX>");
    QTest::newRow("plt") << VXDeviceInterface::PLT << 1 << 1 << 1 << QStringList()
        << QVariant("abc") << QByteArray() << wire("<STX>12;PLT;abc<ETX>");
    QTest::newRow("qr plt") << VXDeviceInterface::QRPLT << 1 << 1 << 1 << QStringList()
        << QVariant("abc") << QByteArray() << wire("<STX>15;QR_PLT;abc<ETX>");
    QTest::newRow("uncmd") << VXDeviceInterface::UnCMD << 5 << 5 << 1 << QStringList()
        << QVariant(1) << QByteArray() << QByteArray();
    QTest::newRow("zero read number") << VXDeviceInterface::CCMD << 0 << 44 << 1 << QStringList()
        << QVariant("x") << QByteArray() << wire("<STX>15;CCMD;44,x;<ETX>");
    QTest::newRow("zero write number") << VXDeviceInterface::CCMD << 51 << 0 << 1 << QStringList()
        << QVariant("V1") << wire("<STX>13;CCMD;51;<ETX>") << QByteArray();
    QTest::newRow("zero length reads nothing") << VXDeviceInterface::CCMD << 4 << 4 << 0 << QStringList()
        << QVariant(1) << QByteArray() << wire("<STX>14;CCMD;4,1;<ETX>");
    QTest::newRow("ccmd value keeps its commas") << VXDeviceInterface::CCMD << 0 << 65 << 1 << QStringList()
        << QVariant("0,0,80,160") << QByteArray() << wire("<STX>24;CCMD;65,0,0,80,160;<ETX>");
    QTest::newRow("pplt keeps ; and ,") << VXDeviceInterface::PPLT << 0 << 1 << 1 << QStringList()
        << QVariant("PU0,0;PD5,5;") << QByteArray() << wire("<STX>22;PPLT;PU0,0;PD5,5;<ETX>");
    QTest::newRow("invalid value writes empty text") << VXDeviceInterface::CCMD << 11 << 11 << 1
        << QStringList() << QVariant() << wire("<STX>13;CCMD;11;<ETX>") << wire("<STX>14;CCMD;11,;<ETX>");
}

void tst_property::frames()
{
    QFETCH(Kind, kind);
    QFETCH(int, read);
    QFETCH(int, write);
    QFETCH(int, len);
    QFETCH(QStringList, params);
    QFETCH(QVariant, value);

    VXDeviceProperty p;
    p.init(value, "l", "", read, write, len, kind, params);
    QTEST(p.get_cmd_bytes(), "readFrame");
    QTEST(p.set_cmd_bytes(), "writeFrame");
}

// A value must not end its frame, start another one or, in a command,
// close its item and start a command of its own: no frame is built, and
// the warning names the key.
void tst_property::values_breaking_out_are_refused_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("len");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("composite"); // the value is a member's

    const auto ccmd = VXDeviceInterface::CCMD;
    QTest::newRow("ccmd ; starts another command") << ccmd << 1 << QVariant("1;27,2") << false;
    QTest::newRow("ccmd STX") << ccmd << 1 << QVariant("a\x02" "b") << false;
    QTest::newRow("ccmd ETX") << ccmd << 1 << QVariant("a\x03") << false;
    QTest::newRow("ccmd NUL") << ccmd << 1 << QVariant(QString::fromLatin1("a\0b", 3)) << false;
    QTest::newRow("composite member ;") << ccmd << 1 << QVariant("1;27,2") << true;
    QTest::newRow("cmd ;") << VXDeviceInterface::CMD << 1 << QVariant("5;SET1:2") << false;
    QTest::newRow("num ;") << VXDeviceInterface::NUM << 1 << QVariant("1;") << false;
    QTest::newRow("pplt ETX") << VXDeviceInterface::PPLT << 1 << QVariant("PU0,0;\x03PD1,1;") << false;
    QTest::newRow("plt NUL") << VXDeviceInterface::PLT << 1 << QVariant(QString::fromLatin1("PU;\0", 4)) << false;
    QTest::newRow("qr plt STX amid a long page") << VXDeviceInterface::QRPLT << 1
        << QVariant(QString(2000, QLatin1Char('a')) + QLatin1Char('\x02') + QString(2000, QLatin1Char('a'))) << false;
    QTest::newRow("pack body ETX") << VXDeviceInterface::UnCMD << 0 << QVariant("abc\x03") << false;
}

void tst_property::values_breaking_out_are_refused()
{
    QFETCH(Kind, kind);
    QFETCH(int, len);
    QFETCH(QVariant, value);
    QFETCH(bool, composite);
    QObject device;
    Composite pair(31, 30, 1.5, 2.0);
    VXDeviceProperty plain;
    plain.init(value, "l", "", 30, 30, len, kind, {});
    vx::attach_property(&device, composite ? "PAIR" : "SETTING", composite ? &pair.parent : &plain);
    if (composite)
        pair.x.setValue(value);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(composite ? "PAIR" : "SETTING"));
    if (kind == VXDeviceInterface::UnCMD)
        QCOMPARE(plain.pack(value.toString(), "CCMD"), QByteArray());
    else
        QCOMPARE((composite ? pair.parent : plain).set_cmd_bytes(), QByteArray());
}

void tst_property::length_prefix_data()
{
    QTest::addColumn<int>("payloadBytes");
    QTest::addColumn<int>("total");
    QTest::newRow("5") << 5 << 9;
    QTest::newRow("6") << 6 << 11;
    QTest::newRow("7") << 7 << 12;
    QTest::newRow("95") << 95 << 101;
    QTest::newRow("96") << 96 << 102;
    QTest::newRow("97") << 97 << 103;
    QTest::newRow("994") << 994 << 1001;
    QTest::newRow("995") << 995 << 1002;
    QTest::newRow("1 MiB") << (1 << 20) << (1 << 20) + 3 + 7;
}

void tst_property::length_prefix()
{
    QFETCH(int, payloadBytes);
    QFETCH(int, total);
    VXDeviceProperty p;
    // payload = name ";" body
    const QByteArray frame = p.pack(QString(payloadBytes - 2, QLatin1Char('a')), "N");
    QCOMPARE(frame.size(), total);
    QCOMPARE(frame.mid(1, frame.indexOf(';') - 1).toInt(), total);
    QCOMPARE(frame.front(), '\x02');
    QCOMPARE(frame.back(), '\x03');
}

void tst_property::non_ascii_payload_counts_bytes()
{
    VXDeviceProperty p;
    p.init(QStringLiteral("状态"), "l", "", 0, 1, 1, VXDeviceInterface::PPLT, {});
    const QByteArray frame = p.set_cmd_bytes();
    QCOMPARE(frame, QByteArray("\x02" "16;PPLT;") + QStringLiteral("状态").toUtf8() + '\x03');
    QCOMPARE(frame.size(), 16);
}

void tst_property::cmd_beyond_six_words_writes_zero()
{
    VXDeviceProperty p;
    p.init(0xFFFFFFFFu, "l", "", 1, 1, 8, VXDeviceInterface::CMD, {});
    const QByteArray frame = p.set_cmd_bytes();
    QVERIFY(frame.contains("SET1:65535;2:65535;3:0;4:0;5:0;6:0;7:0;8:0;"));
}

void tst_property::decode_one_field_data()
{
    QTest::addColumn<QVariant>("initial");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("int from decimal") << QVariant(1) << "12.5" << QVariant(0);
    QTest::newRow("int") << QVariant(1) << "-42" << QVariant(-42);
    QTest::newRow("double") << QVariant(1.0) << "12.5" << QVariant(12.5);
    QTest::newRow("double garbage") << QVariant(1.0) << "x" << QVariant(0.0);
    QTest::newRow("string") << QVariant("a") << "12.5" << QVariant("12.5");
    QTest::newRow("uint") << QVariant(1u) << "4000000000" << QVariant(4000000000u);
    QTest::newRow("uint negative") << QVariant(1u) << "-1" << QVariant(0u);
    QTest::newRow("json unchanged") << QVariant(QJsonObject{{"a", 1}}) << "12.5"
                                    << QVariant(QJsonObject{{"a", 1}});
    QTest::newRow("invalid unchanged") << QVariant() << "12.5" << QVariant();
    QTest::newRow("bool unchanged") << QVariant(true) << "0" << QVariant(true);
}

void tst_property::decode_one_field()
{
    QFETCH(QVariant, initial);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);
    VXDeviceProperty p;
    p.init(initial, "l", "", 1, 1, 1, VXDeviceInterface::CCMD, {});
    p.set_decode(field);
    QCOMPARE(p.value(), expected);
    QCOMPARE(p.value().userType(), expected.userType());
}

void tst_property::decode_fields_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QStringList>("params");
    QTest::addColumn<QVariant>("initial");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("params echoed") << VXDeviceInterface::CCMD << QStringList{"0"} << QVariant(1u)
                                   << QStringList{"0", "150"} << QVariant(150u);
    QTest::newRow("param mismatch") << VXDeviceInterface::CCMD << QStringList{"0"} << QVariant(1u)
                                    << QStringList{"1", "150"} << QVariant(1u);
    QTest::newRow("two params") << VXDeviceInterface::CCMD << QStringList{"1", "2"} << QVariant(1)
                                << QStringList{"1", "2", "7"} << QVariant(7);
    QTest::newRow("second param differs") << VXDeviceInterface::CCMD << QStringList{"1", "2"}
                                          << QVariant(1) << QStringList{"1", "3", "7"} << QVariant(1);
    QTest::newRow("value field missing") << VXDeviceInterface::CCMD << QStringList{"1", "2"}
                                         << QVariant(1) << QStringList{"1", "2"} << QVariant(1);
    QTest::newRow("string keeps value on two fields") << VXDeviceInterface::CCMD << QStringList()
        << QVariant("old") << QStringList{"V1", "2024"} << QVariant("old");
    QTest::newRow("string takes one field") << VXDeviceInterface::CCMD << QStringList()
        << QVariant("old") << QStringList{"V1"} << QVariant("V1");
    QTest::newRow("cmd words") << VXDeviceInterface::CMD << QStringList() << QVariant(0u)
                               << QStringList{"4464", "1"} << QVariant(70000);
    QTest::newRow("cmd negative") << VXDeviceInterface::CMD << QStringList() << QVariant(0u)
                                  << QStringList{"65336", "65535"} << QVariant(-200);
    QTest::newRow("cmd word overflow is 0") << VXDeviceInterface::CMD << QStringList() << QVariant(7)
                                            << QStringList{"70000", "1"} << QVariant(65536);
    QTest::newRow("cmd extra words ignored") << VXDeviceInterface::CMD << QStringList() << QVariant(7)
                                             << QStringList{"1", "0", "9"} << QVariant(1);
    QTest::newRow("other kind unchanged") << VXDeviceInterface::NUM << QStringList() << QVariant(3)
                                          << QStringList{"1", "2"} << QVariant(3);
}

void tst_property::decode_fields()
{
    QFETCH(Kind, kind);
    QFETCH(QStringList, params);
    QFETCH(QVariant, initial);
    QFETCH(QStringList, fields);
    QFETCH(QVariant, expected);
    VXDeviceProperty p;
    p.init(initial, "l", "", 1, 1, 1, kind, params);
    p.set_decode(fields);
    QCOMPARE(p.value(), expected);
    QCOMPARE(p.value().userType(), expected.userType());
}

void tst_property::composite_round_trip()
{
    Composite c(16, 15, 1.5, -2.0);
    QCOMPARE(c.parent.set_cmd_bytes(), wire("<STX>20;CCMD;15,1.5,-2;<ETX>"));
    QCOMPARE(c.parent.get_cmd_bytes(), wire("<STX>13;CCMD;16;<ETX>"));
    c.parent.set_decode(QStringList{"2.25", "-3"});
    QCOMPARE(c.x.value(), QVariant(2.25));
    QCOMPARE(c.y.value(), QVariant(-3.0));
    // A missing sub-property is skipped both ways.
    c.parent.setProperty("X", QVariant());
    QCOMPARE(c.parent.set_cmd_bytes(), wire("<STX>16;CCMD;15,-3;<ETX>"));
    c.parent.set_decode(QStringList{"8", "9"});
    QCOMPARE(c.y.value(), QVariant(9.0));
}

void tst_property::decoding_never_notifies()
{
    VXDeviceProperty p;
    p.init(1u, "l", "", 7, 6, 1, VXDeviceInterface::CCMD, {"0"});
    QSignalSpy changed(&p, &VXDeviceProperty::valueChanged);
    p.set_decode(QStringList{"0", "150"});
    QCOMPARE(p.value(), QVariant(150u));
    QCOMPARE(changed.count(), 0);
    // last_value is untouched: going back to the initial value is silent.
    p.setValue(1u);
    QCOMPARE(changed.count(), 0);
}

QTEST_GUILESS_MAIN(tst_property)
#include "tst_property.moc"

// The device interface's own behaviour: build date, base defaults, the
// property store's ownership, and the language choice of a driver.
#include "build_date_p.h"
#include "catalogue_builder_p.h"
#include "language_p.h"
#include "property_store_p.h"
#include "vxcommoninterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QPointer>
#include <QtCore/QRegularExpression>
#include <QtTest/QtTest>

class tst_interface : public QObject
{
    Q_OBJECT

private slots:
    void build_date_data();
    void build_date();
    void build_date_of_this_build();
    void language_code_data();
    void language_code();
    void enumerations_are_reflected();
    void base_defaults();
    void base_set_usb_path_replaces_and_deletes();
    void destruction_deletes_each_property_once();
    void set_plt_prefers_page_carrier();
    void driver_records_path_and_address();
    void connect_device_needs_target_and_disconnected_state();
};

void tst_interface::build_date_data()
{
    QTest::addColumn<QByteArray>("stamp");
    QTest::addColumn<QString>("date");
    QTest::newRow("two-digit day") << QByteArray("Jun 27 2025") << "2025 - 06 - 27";
    QTest::newRow("space-padded day") << QByteArray("Jun  7 2025") << "2025 - 06 - 07";
    QTest::newRow("december") << QByteArray("Dec 31 1999") << "1999 - 12 - 31";
    QTest::newRow("garbage") << QByteArray("not a date") << "";
}

void tst_interface::build_date()
{
    QFETCH(QByteArray, stamp);
    QTEST(vx::build_date_from_stamp(stamp.constData()), "date");
}

void tst_interface::build_date_of_this_build()
{
    const QRegularExpression layout(QStringLiteral("^\\d{4} - \\d{2} - \\d{2}$"));
    QVERIFY(layout.match(VXDeviceInterface::buildDate()).hasMatch());
}

void tst_interface::language_code_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("code");
    QTest::newRow("Japanese") << "ja_JP" << "ja_JP";
    QTest::newRow("Chinese shows the source texts") << "zh_CN" << "";
    QTest::newRow("German") << "de_DE" << "en_US";
    QTest::newRow("British English") << "en_GB" << "en_US";
    QTest::newRow("C") << "C" << "en_US";
}

void tst_interface::language_code()
{
    QFETCH(QString, locale);
    const QString code = vx::language_code_for(locale);
    QTEST(code, "code");
    QVERIFY(!code.isNull());
}

void tst_interface::enumerations_are_reflected()
{
    const QMetaObject &mo = VXDeviceInterface::staticMetaObject;
    QCOMPARE(mo.className(), "VXDeviceInterface");
    const QMetaEnum status = mo.enumerator(mo.indexOfEnumerator("VXDeviceStatus"));
    QCOMPARE(status.keyToValue("Warning"), 4);
    const QMetaEnum message = mo.enumerator(mo.indexOfEnumerator("VXDeviceMessage"));
    QCOMPARE(message.keyToValue("Qrcode"), 2);
    const QMetaEnum kinds = mo.enumerator(mo.indexOfEnumerator("VXDeviceCMDType"));
    QCOMPARE(kinds.keyToValue("QRPLT"), 6);
    QCOMPARE(mo.methodCount() - mo.methodOffset(), 1); // the message signal alone
    QCOMPARE(mo.method(mo.methodOffset()).methodSignature(),
             QByteArray("message(VXDeviceInterface::VXDeviceMessage,QString)"));
}

void tst_interface::base_defaults()
{
    VXDeviceInterface base;
    QVERIFY(base.initInstance() == nullptr);
    QVERIFY(!base.connectDevice());
    QVERIFY(base.property_ptr("STATUS") == nullptr);
    QVERIFY(base.userProperty().isEmpty());
    QVERIFY(base.sysProperty().isEmpty());
    QCOMPARE(base.icon(), 0);
    base.setPlt(QStringLiteral("IN;PG;")); // finds no carrier: nothing happens
    QVERIFY(base.dynamicPropertyNames().isEmpty());
}

void tst_interface::base_set_usb_path_replaces_and_deletes()
{
    VXDeviceInterface base;
    base.setUSBPath(QStringLiteral("/dev/first"));
    QPointer<VXDeviceProperty> first = vx::held_property(&base, "USB");
    QVERIFY(first);
    base.setUSBPath(QStringLiteral("/dev/second"));
    QVERIFY(!first); // the replaced property is gone, not leaked
    VXDeviceProperty *usb = vx::held_property(&base, "USB");
    // The base keeps what the driver keeps: the address as the value.
    QCOMPARE(usb->label(), QStringLiteral("USB 地址"));
    QCOMPARE(usb->value().toString(), QStringLiteral("/dev/second"));
    QCOMPARE(base.dynamicPropertyNames().size(), 1);

    base.setIPAddress(QStringLiteral("10.0.0.1"));
    QCOMPARE(vx::held_property(&base, "TCP")->label(), QStringLiteral("IP 地址"));
    QCOMPARE(vx::held_property(&base, "TCP")->value().toString(), QStringLiteral("10.0.0.1"));
}

void tst_interface::destruction_deletes_each_property_once()
{
    auto *device = new VXDeviceInterface;
    auto *a = new VXDeviceProperty;
    auto *b = new VXDeviceProperty;
    auto *sub = new VXDeviceProperty;
    vx::attach_property(device, "A", a);
    vx::attach_property(device, "SUB", sub);
    vx::attach_property(device, "B", b);
    vx::attach_property(b, "SUB", sub); // held twice: by the device and by its composite
    device->setProperty("NOT_A_POINTER", 42);

    int destroyed = 0;
    for (VXDeviceProperty *p : {a, b, sub})
        connect(p, &QObject::destroyed, this, [&destroyed] { ++destroyed; });
    delete device; // a double delete would crash or trip the sanitizers
    QCOMPARE(destroyed, 3);
}

void tst_interface::set_plt_prefers_page_carrier()
{
    VXCommonInterface device;
    auto *page = new VXDeviceProperty;
    auto *whole = new VXDeviceProperty;
    page->init(QString(), "", "", 0, 1, 1, VXDeviceInterface::PPLT, {});
    whole->init(QString(), "", "", 1, 1, 1, VXDeviceInterface::PLT, {});
    vx::attach_property(&device, "TASK_PLT", whole);
    vx::attach_property(&device, "TASK_PPLT", page);
    device.setPlt(QStringLiteral("IN;PG;"));
    QCOMPARE(page->value().toString(), QStringLiteral("IN;PG;"));
    QCOMPARE(whole->value().toString(), QString());

    device.setProperty("TASK_PPLT", QVariant());
    delete page;
    device.setPlt(QStringLiteral("PU0,0;"));
    QCOMPARE(whole->value().toString(), QStringLiteral("PU0,0;"));
}

void tst_interface::driver_records_path_and_address()
{
    VXCommonInterface device;
    device.setUSBPath(QStringLiteral("/dev/ttyACM0"));
    QPointer<VXDeviceProperty> first = device.property_ptr("USB");
    device.setUSBPath(QStringLiteral("/dev/ttyACM1"));
    QVERIFY(!first);
    QCOMPARE(device.property_ptr("USB")->value().toString(), QStringLiteral("/dev/ttyACM1"));
    QCOMPARE(device.property_ptr("USB")->label(), QStringLiteral("USB 地址"));
    device.setIPAddress(QStringLiteral("192.0.2.7"));
    QCOMPARE(device.property_ptr("TCP")->value().toString(), QStringLiteral("192.0.2.7"));
    QCOMPARE(device.property_ptr("TCP")->label(), QStringLiteral("IP 地址"));
    QCOMPARE(device.property_ptr("TCP")->cmd_type(), VXDeviceInterface::UnCMD);
}

void tst_interface::connect_device_needs_target_and_disconnected_state()
{
    VXCommonInterface device;
    vx::fill_catalogue(&device, "init437");
    QVERIFY(!device.connectDevice()); // no path, no address

    // Port 1 on loopback refuses; only whether an attempt starts matters here.
    device.setIPAddress(QStringLiteral("127.0.0.1"));
    device.property_ptr("TCP_PORT")->setValue(1);
    device.property_ptr("STATUS")->setValue(int(VXDeviceInterface::Warning));
    QVERIFY(!device.connectDevice());
    device.property_ptr("STATUS")->setValue(int(VXDeviceInterface::DisConnected));
    QVERIFY(device.connectDevice());
}

QTEST_GUILESS_MAIN(tst_interface)
#include "tst_interface.moc"

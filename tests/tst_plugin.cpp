// The built plugin file as a host meets it: loaded with QPluginLoader,
// cast to the device interface, and driven only through it.
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QJsonArray>
#include <QtCore/QJsonObject>
#include <QtCore/QPluginLoader>
#include <QtCore/QPointer>
#include <QtCore/QScopedPointer>
#include <QtNetwork/QTcpServer>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

namespace {

// Counts translator installs and removals: each sends LanguageChange to
// the application when the translator carries translations.
class LanguageChangeCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

} // namespace

class tst_plugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void metadata();
    void machine_modules_data();
    void machine_modules();
    void root_is_a_device_interface();
    void root_is_recreated_after_deletion();
    void each_object_installs_its_own_translator();
    void labels_are_translated();
    void instance_connects_over_tcp();

private:
    VXDeviceInterface *root();
    QPluginLoader m_loader{QStringLiteral(VX_PLUGIN_FILE)};
    LanguageChangeCounter m_language_changes;
};

VXDeviceInterface *tst_plugin::root()
{
    return qobject_cast<VXDeviceInterface *>(m_loader.instance());
}

void tst_plugin::initTestCase()
{
    qApp->installEventFilter(&m_language_changes);
    QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
}

void tst_plugin::metadata()
{
    const QJsonObject meta = m_loader.metaData();
    QCOMPARE(meta.value("IID").toString(), QStringLiteral("org.qt-project.Qt.QGenericPluginFactoryInterface"));
    QCOMPARE(meta.value("className").toString(), QStringLiteral("VXLT3050PROCam"));
    QCOMPARE(meta.value("MetaData").toObject(), QJsonObject({{"Keys", QJsonArray()}}));
}

// Each machine module, the second one built from a folder of its own with
// a controller family the driver does not know, hands out devices filled
// from its family's registered catalogue.
void tst_plugin::machine_modules_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("read");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("shipped machine") << VX_PLUGIN_FILE << "VXLT3050PROCam" << QByteArray("FIRMWARE") << 51
                                     << QVariant(QString());
    QTest::newRow("test machine, own family") << VX_TEST_MACHINE_FILE << "TestMachine" << QByteArray("BLADE_DEPTH")
                                              << 71 << QVariant(0.5);
}

void tst_plugin::machine_modules()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, key);
    QPluginLoader loader(file);
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    auto *machine = qobject_cast<VXDeviceInterface *>(loader.instance());
    QVERIFY(machine);
    QTEST(QString::fromLatin1(machine->metaObject()->className()), "className");
    QScopedPointer<VXDeviceInterface> device(machine->initInstance());
    const VXDeviceProperty *property = device->property_ptr(key.constData());
    QVERIFY(property);
    QTEST(property->get_cmd_int(), "read");
    QTEST(property->value(), "value");
}

void tst_plugin::root_is_a_device_interface()
{
    QObject *object = m_loader.instance();
    QVERIFY(object);
    QCOMPARE(m_loader.instance(), object);
    QCOMPARE(root(), object);
    QCOMPARE(object->qt_metacast("Tavro.morvo.vxdeviceinterface"), static_cast<void *>(root()));
    QVERIFY(object->qt_metacast("org.example.other.interface") == nullptr);
    QVERIFY(object->qt_metacast("VXCommonInterface") != nullptr);
    QCOMPARE(object->metaObject()->className(), "VXLT3050PROCam");
    QVERIFY(object->parent() == nullptr);
    QVERIFY(!VXDeviceInterface::buildDate().isEmpty());
}

void tst_plugin::root_is_recreated_after_deletion()
{
    QPointer<QObject> first = m_loader.instance();
    delete first.data();
    QVERIFY(first.isNull());
    QObject *second = m_loader.instance();
    QVERIFY(second);
    QVERIFY(root());
}

void tst_plugin::each_object_installs_its_own_translator()
{
    delete m_loader.instance();
    m_language_changes.count = 0;
    VXDeviceInterface *factory = root(); // a new root: one translator
    QScopedPointer<VXDeviceInterface> a(factory->initInstance());
    QScopedPointer<VXDeviceInterface> b(factory->initInstance());
    QScopedPointer<VXDeviceInterface> c(factory->initInstance());
    QCOMPARE(m_language_changes.count, 4);

    b.reset(); // removes b's translator only
    QCOMPARE(m_language_changes.count, 5);
    QScopedPointer<VXDeviceInterface> d(factory->initInstance());
    QCOMPARE(d->property_ptr("STATUS")->label(), QStringLiteral("Status"));
}

void tst_plugin::labels_are_translated()
{
    QScopedPointer<VXDeviceInterface> device(root()->initInstance());
    QCOMPARE(device->property_ptr("WORK_MODE")->label(), QStringLiteral("Cut quality"));
    QCOMPARE(device->property_ptr("TASK_COPIES")->uint(), QStringLiteral("copies"));
    QCOMPARE(device->property_ptr("TASK")->label(), QStringLiteral("Current job"));
    QCOMPARE(device->property_ptr("DEVICE_MODEL_NAME")->value().toString(),
             QStringLiteral("LT3050 conveyor flatbed cutter"));
    QCOMPARE(device->property_ptr("CAMERA_OFFSET")->uint(), QStringLiteral("(mm x mm)"));
    QCOMPARE(device->property_ptr("WORK_MODE")->property("WIDGET").toJsonObject().value("option").toString(),
             QStringLiteral("   Speed first;   Balanced;   Precision first"));
}

void tst_plugin::instance_connects_over_tcp()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    QScopedPointer<VXDeviceInterface> device(root()->initInstance());
    QSignalSpy messages(device.data(), &VXDeviceInterface::message);
    device->property_ptr("TCP_PORT")->setValue(int(server.serverPort()));
    device->setIPAddress(QStringLiteral("127.0.0.1"));
    QVERIFY(device->connectDevice());
    QTRY_COMPARE_WITH_TIMEOUT(messages.count(), 1, 5000);
    QCOMPARE(messages.at(0).at(1).toString(), QStringLiteral("TCP CONNECTED."));
    QCOMPARE(messages.at(0).at(0).value<VXDeviceInterface::VXDeviceMessage>(), VXDeviceInterface::DevStatus);
    QCOMPARE(device->property_ptr("STATUS")->value().toInt(), int(VXDeviceInterface::Working));
}

int main(int argc, char **argv)
{
    // The translation a machine loads follows the system locale.
    qputenv("LC_ALL", "en_US.UTF-8");
    QCoreApplication app(argc, argv);
    tst_plugin test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_plugin.moc"

// vxctl's settings window, Apply and Cancel, against the controller
// simulator in process, through the built plugin as a host loads it.
#include "controller_request.h"
#include "controller_simulator.h"
#include "event_wait.h"
#include "property_io.h"
#include "settings_window.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QPluginLoader>
#include <QtCore/QScopedPointer>
#include <QtTest/QtTest>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSpinBox>

using vx::sim::ControllerSimulator;
using vx::sim::SimulatorOptions;

namespace {
const int kTimeoutMs = 2000;
// The machine's commands that set and read SPEED.
const int kSpeedWrite = 6;
const int kSpeedRead = 7;
} // namespace

class tst_settings_window : public QObject
{
    Q_OBJECT

private slots:
    void speed_edited_then_applied_or_cancelled_data();
    void speed_edited_then_applied_or_cancelled();
};

void tst_settings_window::speed_edited_then_applied_or_cancelled_data()
{
    QTest::addColumn<int>("refused_command");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<int>>("sent"); // command numbers
    QTest::addColumn<uint>("machine_speed");
    QTest::addColumn<QString>("status");

    QTest::newRow("kept") << 0 << "Apply" << QList<int>{kSpeedWrite, kSpeedRead} << 300u
                          << "The machine took every change.";
    QTest::newRow("refused") << kSpeedWrite << "Apply" << QList<int>{kSpeedWrite, kSpeedRead} << 150u
                             << "Not taken by the machine: SPEED";
    QTest::newRow("cancelled writes nothing") << 0 << "Cancel" << QList<int>() << 150u << "";
}

void tst_settings_window::speed_edited_then_applied_or_cancelled()
{
    QFETCH(int, refused_command);
    QFETCH(QString, button);

    QPluginLoader loader(QStringLiteral(VX_PLUGIN_FILE));
    auto *root = qobject_cast<VXDeviceInterface *>(loader.instance());
    QVERIFY2(root, qPrintable(loader.errorString()));
    SimulatorOptions options;
    options.refused_command = refused_command;
    // Declared before the device and simulator: their last signals reach them.
    bool connected = false;
    QList<int> sent;
    ControllerSimulator sim(options);
    const quint16 port = sim.listen(0);
    QVERIFY(port != 0);
    QScopedPointer<VXDeviceInterface> device(root->initInstance());
    connect(device.data(), &VXDeviceInterface::message, this,
            [&](VXDeviceInterface::VXDeviceMessage, const QString &text) {
                connected = connected || text == QLatin1String("TCP CONNECTED.");
            });
    device->property_ptr("TCP_PORT")->setValue(int(port));
    device->setIPAddress(QStringLiteral("127.0.0.1"));
    QVERIFY(device->connectDevice());
    QVERIFY(wait_until([&] { return connected; }));
    QCOMPARE(read_values(device.data(), readable_settings(device.data()), kTimeoutMs), QStringList());

    SettingsWindow window(device.data(), kTimeoutMs);
    window.show();
    connect(&sim, &ControllerSimulator::frame_received, this,
            [&](const QByteArray &frame) { sent << vx::sim::parse_request(frame).number; });
    auto *speed = window.findChild<QSpinBox *>(QStringLiteral("SPEED"));
    QVERIFY(speed);
    speed->setValue(300);
    for (QPushButton *b : window.findChildren<QPushButton *>()) {
        if (b->text() == button)
            QTest::mouseClick(b, Qt::LeftButton);
    }

    QTEST(window.status_text(), "status");
    QTEST(sent, "sent");
    // What the machine holds, read afresh; the window shows the same after Apply.
    QCOMPARE(read_values(device.data(), {QStringLiteral("SPEED")}, kTimeoutMs), QStringList());
    QTEST(device->property_ptr("SPEED")->value().toUInt(), "machine_speed");
    if (button == QLatin1String("Apply"))
        QTEST(uint(speed->value()), "machine_speed");
}

QTEST_MAIN(tst_settings_window)
#include "tst_settings_window.moc"

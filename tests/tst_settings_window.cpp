// vxctl's settings window, Apply and Cancel, against the controller
// simulator in process, through the built plugin as a host loads it.
#include "controller_request.h"
#include "controller_simulator.h"
#include "event_wait.h"
#include "property_io.h"
#include "setting_value.h"
#include "settings_window.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"
#include "vxeditor.h"

#include <QtCore/QPluginLoader>
#include <QtCore/QScopedPointer>
#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSpinBox>

using vx::sim::ControllerSimulator;
using vx::sim::SimulatorOptions;

namespace {
const int kTimeoutMs = 2000;

// A request as the simulator took it: "6:0,300" (number:fields), "7".
QString request_text(const QByteArray &frame)
{
    const vx::sim::ControllerRequest request = vx::sim::parse_request(frame);
    const QString number = QString::number(request.number);
    return request.fields.isEmpty() ? number
                                    : number + QLatin1Char(':') + QString::fromLatin1(request.fields.join(','));
}

// A kind the plugin does not have, added as one row: a check box whose state is the value.
QWidget *new_check_box(const QJsonObject &, QWidget *row)
{
    return new QCheckBox(row);
}

const VXEditor::Kind kCheckBox{
    "QCheckBox", [](const VXEditor::Place &at) { return VXEditor::control_row(at, new_check_box); },
    [](const VXEditor::Held &at) { qobject_cast<QCheckBox *>(at.control)->setChecked(at.property->value() == 1u); },
    [](const VXEditor::Held &at) { at.property->setValue(uint(qobject_cast<QCheckBox *>(at.control)->isChecked())); },
    [](const QJsonObject &) { return VXEditor::Accepts{true, 0, 1, {"off", "on"}}; }};
} // namespace

class tst_settings_window : public QObject
{
    Q_OBJECT

private slots:
    void fields_typed_then_applied_or_cancelled_data();
    void fields_typed_then_applied_or_cancelled();
    void added_editor_kind_data();
    void added_editor_kind();
};

void tst_settings_window::fields_typed_then_applied_or_cancelled_data()
{
    QTest::addColumn<QStringList>("typed"); // FIELD=keys, each over the field's whole text; FIELD^ steps it up
    QTest::addColumn<QString>("tip");       // the last typed field's tooltip
    QTest::addColumn<int>("refused_command");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("listed"); // the window's text when the first request arrives
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QStringList>("held"); // KEY=value, read afresh
    QTest::addColumn<QString>("status");

    const QString speed_range = "10 to 300 mm/s";
    QTest::newRow("kept") << QStringList{"SPEED=300"} << speed_range << 0 << "Apply"
                          << "Writing: Speed 150 → 300" << QStringList{"6:0,300", "7:0"} << QStringList{"SPEED=300"}
                          << "Written: Speed 150 → 300.";
    QTest::newRow("refused") << QStringList{"SPEED=300"} << speed_range << 6 << "Apply"
                             << "Writing: Speed 150 → 300" << QStringList{"6:0,300"} << QStringList{"SPEED=150"}
                             << "Refused by the machine: Speed 150 → 300 (result 1).";
    QTest::newRow("read back refused is not a write") << QStringList{"SPEED=300"} << speed_range << 7 << "Apply"
        << "Writing: Speed (not read) → 300" << QStringList{"6:0,300", "7:0"} << QStringList()
        << "Sent, but unknown whether the machine holds it: Speed (not read) → 300 (the read back was refused, result 1).";
    QTest::newRow("cancelled writes nothing") << QStringList{"SPEED=300"} << speed_range << 0 << "Cancel" << ""
                                              << QStringList() << QStringList{"SPEED=150"} << "";
    QTest::newRow("nothing typed sends nothing") << QStringList() << "" << 0 << "Apply" << "" << QStringList()
                                                 << QStringList{"SPEED=150", "PRESSURE=200"}
                                                 << "Nothing was changed; nothing was sent.";
    // Speed is not read: its box shows 10, the nearest it can, not a change to send.
    QTest::newRow("value the box cannot show not sent") << QStringList() << "" << 7 << "Apply" << "" << QStringList()
                                                       << QStringList{"PRESSURE=200"}
                                                       << "Nothing was changed; nothing was sent.";
    // The box drops the fourth 9 and would write 999's first part, 99.
    QTest::newRow("dropped keystroke held back")
        << QStringList{"PRESSURE=9999"} << "“9999” is not taken: this field takes 0 to 900 gf. Apply does not send it."
        << 0 << "Apply" << "" << QStringList() << QStringList{"PRESSURE=200"}
        << "Not sent: Pressure takes 0 to 900 gf; got “9999”.";
    QTest::newRow("a step after a dropped keystroke is taken")
        << QStringList{"PRESSURE=9999", "PRESSURE^"} << "0 to 900 gf" << 0 << "Apply" << "Writing: Pressure 200 → 100"
        << QStringList{"8:0,100", "9:0"} << QStringList{"PRESSURE=100"} << "Written: Pressure 200 → 100.";
    // The box puts its last value back over "5" when it loses the focus.
    QTest::newRow("text below range held back, the rest written")
        << QStringList{"PRESSURE=120", "SPEED=5"}
        << "“5” is not taken: this field takes 10 to 300 mm/s. Apply does not send it." << 0 << "Apply"
        << "Writing: Pressure 200 → 120" << QStringList{"8:0,120", "9:0"}
        << QStringList{"SPEED=150", "PRESSURE=120"}
        << "Written: Pressure 200 → 120.\nNot sent: Speed takes 10 to 300 mm/s; got “5”.";
    QTest::newRow("group member beyond range")
        << QStringList{"SCALE_X=101"} << "“101” is not taken: this field takes 99 to 100.99. Apply does not send it."
        << 0 << "Apply" << "" << QStringList() << QStringList{"SCALE_X=100"}
        << "Not sent: Scale x takes 99 to 100.99; got “101”.";
    QTest::newRow("text that breaks a frame held back")
        << QStringList{"DEVICE_ID=A;B"} << "" << 0 << "Apply" << "" << QStringList()
        << QStringList{"DEVICE_ID=VX3050-0001"}
        << "Not sent: Machine number takes text without ';' or control characters; got A;B.";
}

void tst_settings_window::fields_typed_then_applied_or_cancelled()
{
    QFETCH(QStringList, typed);
    QFETCH(int, refused_command);
    QFETCH(QString, button);
    QFETCH(QStringList, held);

    QPluginLoader loader(QStringLiteral(VX_PLUGIN_FILE));
    auto *root = qobject_cast<VXDeviceInterface *>(loader.instance());
    QVERIFY2(root, qPrintable(loader.errorString()));
    SimulatorOptions options;
    options.refused_command = refused_command;
    // Declared before the device and simulator: their last signals reach them.
    bool connected = false;
    QStringList sent;
    QString listed;
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
    // Only the refused number goes unread.
    const QStringList unread = read_values(device.data(), readable_settings(device.data()), kTimeoutMs);
    for (const QString &key : unread)
        QCOMPARE(device->property_ptr(key.toLatin1().constData())->get_cmd_int(), refused_command);

    SettingsWindow window(device.data(), kTimeoutMs, unread);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    connect(&sim, &ControllerSimulator::frame_received, this, [&](const QByteArray &frame) {
        if (sent.isEmpty())
            listed = window.status_text();
        sent << request_text(frame);
    });
    // Keys as an operator types them, into a field that has the focus.
    QWidget *field = nullptr;
    for (const QString &edit : typed) {
        const QString name = edit.section(QLatin1Char('='), 0, 0).remove(QLatin1Char('^'));
        field = window.findChild<QWidget *>(name);
        QVERIFY2(field, qPrintable(name));
        field->setFocus();
        if (edit.endsWith(QLatin1Char('^'))) {
            QTest::keyClick(field, Qt::Key_Up);
            continue;
        }
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, edit.section(QLatin1Char('='), 1));
    }
    if (field)
        QTEST(field->toolTip(), "tip");
    for (QPushButton *b : window.findChildren<QPushButton *>()) {
        if (b->text() == button)
            QTest::mouseClick(b, Qt::LeftButton);
    }

    QTEST(window.status_text(), "status");
    QTEST(listed, "listed");
    QTEST(sent, "sent");
    // What the machine holds, read afresh.
    QStringList keys;
    for (const QString &value : held)
        keys << value.section(QLatin1Char('='), 0, 0);
    QCOMPARE(read_values(device.data(), keys, kTimeoutMs), QStringList());
    for (const QString &value : held)
        QCOMPARE(value_text(device->property_ptr(value.section(QLatin1Char('='), 0, 0).toLatin1().constData())),
                 value.section(QLatin1Char('='), 1));
}

void tst_settings_window::added_editor_kind_data()
{
    QTest::addColumn<QString>("text"); // as vxctl set takes it
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("checked");

    QTest::newRow("on") << "1" << "" << true;
    QTest::newRow("beyond the choice") << "2" << "WORK_MODE takes 0 (off) or 1 (on); got 2" << false;
    QTest::newRow("not a number") << "on" << "WORK_MODE takes 0 (off) or 1 (on); got on" << false;
}

// Built by the window, shown, taken back, and checked as vxctl set checks.
void tst_settings_window::added_editor_kind()
{
    QFETCH(QString, text);
    QFETCH(bool, checked);
    VXEditor::add_kind(kCheckBox);
    QPluginLoader loader(QStringLiteral(VX_PLUGIN_FILE));
    auto *root = qobject_cast<VXDeviceInterface *>(loader.instance());
    QVERIFY2(root, qPrintable(loader.errorString()));
    QScopedPointer<VXDeviceInterface> device(root->initInstance());
    VXDeviceProperty *mode = device->property_ptr("WORK_MODE");
    mode->setProperty(VXEditor::kKey, QJsonObject{{"widget", "QCheckBox"}});
    mode->setValue(0u);

    QString error;
    const bool taken = assign_checked(mode, QStringLiteral("WORK_MODE"), text, &error);
    QCOMPARE(taken, error.isEmpty());
    QTEST(error, "error");
    SettingsWindow window(device.data(), kTimeoutMs);
    auto *box = window.findChild<QCheckBox *>(QStringLiteral("WORK_MODE"));
    QVERIFY(box);
    QCOMPARE(box->isChecked(), checked);
    box->click();
    mode->from_ui_ctrl();
    QCOMPARE(mode->value(), QVariant(uint(!checked)));
}

QTEST_MAIN(tst_settings_window)
#include "tst_settings_window.moc"

#include "settings_window.h"

#include "property_io.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QHash>
#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>

namespace {

const QSize kMinimumWindowSize(560, 360);

// One page: each listed key's property builds its row, then shows its value.
QWidget *build_page(VXDeviceInterface *device, const QStringList &keys, const QString &name)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    auto *layout = new QVBoxLayout(page);
    QList<VXDeviceProperty *> built;
    for (const QString &key : keys) {
        VXDeviceProperty *property = device->property_ptr(key.toLatin1().constData());
        if (!property)
            continue;
        property->create_ui_ctrl(page, key, true);
        built << property;
    }
    layout->addStretch(1); // rows stay at the top of a taller page
    for (VXDeviceProperty *property : built)
        property->to_ui_ctrl();
    return page;
}

// The settings the machine can be told, with their values as text.
QHash<QString, QString> writable_values(VXDeviceInterface *device)
{
    QHash<QString, QString> values;
    for (const QByteArray &name : device->dynamicPropertyNames()) {
        const VXDeviceProperty *property = device->property_ptr(name.constData());
        const QString key = QString::fromLatin1(name);
        if (property && property->set_cmd_int() != 0 && property->cmd_type() != VXDeviceInterface::UnCMD
            && !is_action(key))
            values.insert(key, value_text(property));
    }
    return values;
}

// Takes the edits back from the pages, writes the settings that changed
// and reads them back; the keys whose value the machine did not keep.
QStringList apply_edits(VXDeviceInterface *device, const QList<VXDeviceProperty *> &shown, int timeout_ms)
{
    const QHash<QString, QString> before = writable_values(device);
    for (VXDeviceProperty *property : shown)
        property->from_ui_ctrl();
    const QHash<QString, QString> wanted = writable_values(device);
    QStringList changed;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        if (before.value(it.key()) == it.value())
            continue;
        changed << it.key();
        device->sendCMD(device->property_ptr(it.key().toLatin1().constData())->set_cmd_bytes());
    }
    QStringList readable;
    for (const QString &key : qAsConst(changed)) {
        if (!device->property_ptr(key.toLatin1().constData())->get_cmd_bytes().isEmpty())
            readable << key;
    }
    QStringList not_taken = read_values(device, readable, timeout_ms);
    for (const QString &key : qAsConst(readable)) {
        if (!not_taken.contains(key) && value_text(device->property_ptr(key.toLatin1().constData())) != wanted.value(key))
            not_taken << key;
    }
    for (VXDeviceProperty *property : shown)
        property->to_ui_ctrl(); // what the machine holds now
    return not_taken;
}

} // namespace

SettingsWindow::SettingsWindow(VXDeviceInterface *device, int timeout_ms)
    : m_device(device), m_timeout_ms(timeout_ms), m_tabs(new QTabWidget), m_status(new QLabel)
{
    const VXDeviceProperty *model = device->property_ptr("DEVICE_MODEL");
    setWindowTitle(QCoreApplication::translate("vxctl", "%1 settings")
                       .arg(model ? model->value().toString() : QStringLiteral("vxctl")));
    m_tabs->addTab(build_page(device, device->userProperty(), QStringLiteral("settings-user")),
                   QCoreApplication::translate("vxctl", "User settings"));
    m_tabs->addTab(build_page(device, device->sysProperty(), QStringLiteral("settings-system")),
                   QCoreApplication::translate("vxctl", "System settings"));
    for (const QStringList &keys : {device->userProperty(), device->sysProperty()}) {
        for (const QString &key : keys) {
            if (VXDeviceProperty *property = device->property_ptr(key.toLatin1().constData()))
                m_shown << property;
        }
    }
    auto *buttons = new QDialogButtonBox;
    QPushButton *apply =
        buttons->addButton(QCoreApplication::translate("vxctl", "Apply"), QDialogButtonBox::ApplyRole);
    QPushButton *cancel =
        buttons->addButton(QCoreApplication::translate("vxctl", "Cancel"), QDialogButtonBox::RejectRole);
    connect(apply, &QPushButton::clicked, this, &SettingsWindow::apply);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    resize(sizeHint().expandedTo(kMinimumWindowSize));
}

QString SettingsWindow::status_text() const
{
    return m_status->text();
}

void SettingsWindow::apply()
{
    const QStringList not_taken = apply_edits(m_device, m_shown, m_timeout_ms);
    m_status->setText(not_taken.isEmpty()
                          ? QCoreApplication::translate("vxctl", "The machine took every change.")
                          : QCoreApplication::translate("vxctl", "Not taken by the machine: %1")
                                .arg(not_taken.join(QStringLiteral(", "))));
}

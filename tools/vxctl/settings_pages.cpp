#include "command_table.h"
#include "device_session.h"
#include "property_io.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QHash>
#include <QtCore/QScopedPointer>
#include <QtCore/QTextStream>
#include <QtGui/QPixmap>
#include <QtWidgets/QApplication>
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

// The device's settings as a host shows them: a user page (userProperty)
// and a system page (sysProperty), whose editors the properties build
// themselves, with Apply and Cancel. The device must outlive the window.
class SettingsWindow : public QWidget
{
public:
    SettingsWindow(VXDeviceInterface *device, int timeout_ms)
        : m_device(device), m_timeout_ms(timeout_ms)
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

    QTabWidget *tabs() const { return m_tabs; }

private:
    void apply()
    {
        const QStringList not_taken = apply_edits(m_device, m_shown, m_timeout_ms);
        m_status->setText(not_taken.isEmpty()
                              ? QCoreApplication::translate("vxctl", "The machine took every change.")
                              : QCoreApplication::translate("vxctl", "Not taken by the machine: %1")
                                    .arg(not_taken.join(QStringLiteral(", "))));
    }

    VXDeviceInterface *m_device;
    int m_timeout_ms;
    QList<VXDeviceProperty *> m_shown;
    QTabWidget *m_tabs = new QTabWidget;
    QLabel *m_status = new QLabel;
};

// Writes every page as "<page name>.png" into the directory, creating it if
// needed. False, with the reason in error, when a file cannot be written.
bool save_settings_pages(QTabWidget *window, const QString &directory, QString *error)
{
    if (!QDir().mkpath(directory)) {
        *error = QCoreApplication::translate("vxctl", "cannot create %1").arg(directory);
        return false;
    }
    for (int i = 0; i < window->count(); ++i) {
        // The shown page has the window's layout applied.
        window->setCurrentIndex(i);
        QCoreApplication::processEvents();
        QWidget *page = window->widget(i);
        const QString file = QDir(directory).filePath(page->objectName() + QStringLiteral(".png"));
        if (!page->grab().save(file, "PNG")) {
            *error = QCoreApplication::translate("vxctl", "cannot write %1").arg(file);
            return false;
        }
    }
    window->setCurrentIndex(0);
    return true;
}

} // namespace

// vxctl settings: reads the machine's settings, then shows them in the
// window until it is closed, or writes its pages into the --screenshot
// directory.
int run_settings(const Invocation &call)
{
    VXDeviceInterface *device = call.session->device();
    read_values(device, readable_settings(device), call.timeout_ms);
    const QString screenshot_dir = call.options.value(QStringLiteral("screenshot"));
    QTextStream &out = call.out;
    QTextStream &err = call.err;
    SettingsWindow window(device, call.timeout_ms);
    window.show();
    if (screenshot_dir.isEmpty())
        return QApplication::exec();

    QString error;
    if (!save_settings_pages(window.tabs(), screenshot_dir, &error)) {
        err << "vxctl: " << error << '\n';
        return 1;
    }
    for (int i = 0; i < window.tabs()->count(); ++i)
        out << QDir(screenshot_dir).filePath(window.tabs()->widget(i)->objectName() + QStringLiteral(".png")) << '\n';
    return 0;
}

#include "command_table.h"
#include "device_session.h"
#include "property_io.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QScopedPointer>
#include <QtCore/QTextStream>
#include <QtGui/QPixmap>
#include <QtWidgets/QApplication>
#include <QtWidgets/QBoxLayout>
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

// The device's settings as a host shows them: a window with a user page
// (userProperty) and a system page (sysProperty), whose editors the
// properties build themselves. The caller owns the window; the device must
// outlive it.
QTabWidget *build_settings_window(VXDeviceInterface *device)
{
    auto *window = new QTabWidget;
    const VXDeviceProperty *model = device->property_ptr("DEVICE_MODEL");
    window->setWindowTitle(QCoreApplication::translate("vxctl", "%1 settings")
                               .arg(model ? model->value().toString() : QStringLiteral("vxctl")));
    window->addTab(build_page(device, device->userProperty(), QStringLiteral("settings-user")),
                   QCoreApplication::translate("vxctl", "User settings"));
    window->addTab(build_page(device, device->sysProperty(), QStringLiteral("settings-system")),
                   QCoreApplication::translate("vxctl", "System settings"));
    window->resize(window->sizeHint().expandedTo(kMinimumWindowSize));
    return window;
}

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
    QScopedPointer<QTabWidget> window(build_settings_window(device));
    window->show();
    if (screenshot_dir.isEmpty())
        return QApplication::exec();

    QString error;
    if (!save_settings_pages(window.data(), screenshot_dir, &error)) {
        err << "vxctl: " << error << '\n';
        return 1;
    }
    for (int i = 0; i < window->count(); ++i)
        out << QDir(screenshot_dir).filePath(window->widget(i)->objectName() + QStringLiteral(".png")) << '\n';
    return 0;
}

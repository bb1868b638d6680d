#include "command_table.h"
#include "device_session.h"
#include "property_io.h"
#include "settings_window.h"
#include "vxdeviceinterface.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QScopedPointer>
#include <QtCore/QTextStream>
#include <QtGui/QPixmap>
#include <QtWidgets/QApplication>
#include <QtWidgets/QTabWidget>

namespace {

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
    const QStringList unread = read_values(device, readable_settings(device), call.timeout_ms);
    const QString screenshot_dir = call.options.value(QStringLiteral("screenshot"));
    QTextStream &out = call.out;
    QTextStream &err = call.err;
    SettingsWindow window(device, call.timeout_ms, unread);
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

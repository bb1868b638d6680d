#include "settings_pages.h"

#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

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

} // namespace

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

int run_settings(VXDeviceInterface *device, const QString &screenshot_dir, QTextStream &out,
                 QTextStream &err)
{
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

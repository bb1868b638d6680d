#include "plugin_host.h"

#include "vxdeviceinterface.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>

QString PluginHost::default_plugin_path()
{
    const QDir programs(QCoreApplication::applicationDirPath());
    const QString installed = programs.absoluteFilePath(QStringLiteral(VX_BIN_TO_PLUGINDIR "/VX-LT3050PROCam.so"));
    const QString build_tree = programs.absoluteFilePath(QStringLiteral("../plugins/VX-LT3050PROCam.so"));
    return QFileInfo::exists(build_tree) && !QFileInfo::exists(installed) ? build_tree : installed;
}

bool PluginHost::load(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists()) {
        m_error = QCoreApplication::translate("vxctl", "plugin not found: %1").arg(path);
        return false;
    }
    m_loader.setFileName(file.canonicalFilePath());
    if (!m_loader.load()) {
        m_error = QCoreApplication::translate("vxctl", "cannot load plugin %1: %2")
                      .arg(path, m_loader.errorString());
        return false;
    }
    m_root = qobject_cast<VXDeviceInterface *>(m_loader.instance());
    if (!m_root) {
        m_error = QCoreApplication::translate("vxctl", "%1 is not a device plugin").arg(path);
        return false;
    }
    return true;
}

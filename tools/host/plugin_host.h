#pragma once

#include <QtCore/QJsonObject>
#include <QtCore/QPluginLoader>
#include <QtCore/QString>

class VXDeviceInterface;

// Loads the device plugin the way a host application does: QPluginLoader,
// then a cast of the root object to the device interface.
class PluginHost
{
public:
    // The plugin of the installed tree the program is in, or of its build tree.
    static QString default_plugin_path();

    // False with error() set when the file is missing, does not load, or
    // its root object is not a device interface.
    bool load(const QString &path);

    VXDeviceInterface *root() const { return m_root; }
    QJsonObject metadata() const { return m_loader.metaData(); }
    QString file_name() const { return m_loader.fileName(); }
    QString error() const { return m_error; }

private:
    QPluginLoader m_loader;
    VXDeviceInterface *m_root = nullptr;
    QString m_error;
};

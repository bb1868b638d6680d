#pragma once

#include <QtCore/QString>
#include <QtCore/QTemporaryDir>

#include <memory>

// vxctl --trace FILE: the plugin records, as it does for any host, into a
// folder that VX_TRACE_DIR names, here a private one beside FILE; the one
// trace written there becomes FILE when vxctl is done with the device.
class TraceCapture
{
public:
    ~TraceCapture();
    // Sets VX_TRACE_DIR before the plugin makes a device; false with the error.
    bool start(const QString &file, QString *error);

private:
    QString m_file;
    std::unique_ptr<QTemporaryDir> m_folder;
};

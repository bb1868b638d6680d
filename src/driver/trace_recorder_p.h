#pragma once

#include "link_p.h"

#include <QtCore/QElapsedTimer>

#include <memory>

#include "vxdeviceinterface.h"

// Records what one device and its controller said to each other into a
// trace file (see trace_format.h) in the folder VX_TRACE_DIR names: frames
// sent, bytes received, link state changes and the host's messages, never
// the cloud. The file is created when a link first reports, so the plugin's
// root object, which never connects, leaves none. It is written on a thread
// of its own (TraceFileWriter), bounded, stopping at a write error.
class TraceFileWriter;

class TraceRecorder : public QObject
{
    Q_OBJECT

public:
    // A recorder for the device when the variable names a folder, else null.
    // Made before the device connects to its links' signals, so that a
    // line about bytes comes before the lines of what they caused.
    static TraceRecorder *for_device(VXDeviceInterface *device, const QList<Link *> &links);

    // The host is closing the links: the state reports that follow are
    // not the controller's doing.
    void host_closing();
    ~TraceRecorder() override;

private:
    TraceRecorder(VXDeviceInterface *device, const QString &folder);

    void on_bytes(const Link &link, const char *direction, const QByteArray &bytes);
    void on_state(const Link &link, Link::State state);
    void on_message(VXDeviceInterface::VXDeviceMessage kind, const QString &text);
    bool start(const Link &link);
    bool recording() const;
    qint64 now_us() const { return m_clock.nsecsElapsed() / 1000; }

    VXDeviceInterface *m_device;
    QString m_folder;
    std::unique_ptr<TraceFileWriter> m_writer;
    QElapsedTimer m_clock;
};

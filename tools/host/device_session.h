#pragma once

#include "target.h"

#include <QtCore/QObject>
#include <QtCore/QScopedPointer>
#include <QtCore/QString>

#include <functional>

class VXDeviceInterface;

// The device's links, "NAME:FORM" ("TCP:HOST") in the order it tries them,
// asked through the meta-object: a host needs none of the driver's headers.
QStringList device_links(VXDeviceInterface &device);

// Runs the event loop until the condition holds or the time is up.
bool wait_for(const std::function<bool()> &condition, int timeout_ms);

// One device instance connected to its target for the length of a command.
// Everything goes through the device interface, as in a host application.
class DeviceSession : public QObject
{
public:
    explicit DeviceSession(VXDeviceInterface *factory);
    ~DeviceSession() override;

    // Connects and waits until the device reports its link up.
    bool open(const Target &target, int timeout_ms, QString *error);

    VXDeviceInterface *device() const { return m_device.data(); }
    Target target() const { return m_target; }
    // The link went down after it was up: the status text that said so.
    QString link_lost() const { return m_link_lost; }

private:
    SimulatorProcess m_simulator; // outlives the device, which closes its link first
    QScopedPointer<VXDeviceInterface> m_device;
    Target m_target;
    bool m_up = false;
    QString m_failure;
    QString m_link_lost;
};

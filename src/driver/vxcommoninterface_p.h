#pragma once

#include "device_cloud_p.h"
#include "property_store_p.h"
#include "vxcommoninterface.h"

#include <QtCore/QDateTime>
#include <QtCore/QMutex>
#include <QtCore/QTimer>
#include <QtNetwork/QAbstractSocket>

#include <functional>
#include <memory>
#include <utility>

class Link;
namespace vx {
class ReceiveBuffer;
}

// The shared driver's state and its own operations, behind the installed
// class; tests reach it through get().
class VXCommonInterfacePrivate
{
    Q_DECLARE_PUBLIC(VXCommonInterface)

public:
    using Device = VXDeviceInterface;

    explicit VXCommonInterfacePrivate(VXCommonInterface *q);
    static VXCommonInterfacePrivate *get(VXCommonInterface *device) { return device->d_func(); }

    void send_cmd(QByteArray frame);
    // A read from any link.
    void slot_usb_read(QByteArray data) { on_received(data); }
    // Link state reports, as the transports give them.
    void slot_usb_status(int s);
    void slot_tcp_socket_state(QAbstractSocket::SocketState s);
    // Reply dispatch: a progress report's field.
    void decode_task(QString field);

    // Heartbeat: stops the device timer and, when on, starts it again with
    // the "HEARTBEAT" period. Does nothing on a device without "HEARTBEAT".
    void heartbeat_switch(bool on);
    void slot_device_timer();
    // The clock of receive times and of the link-loss check; an empty
    // function restores the system clock.
    void set_clock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    // How long one second of the "HEARTBEAT" period lasts on the device
    // timer: 1000 ms, shorter in tests.
    void set_heartbeat_second(int milliseconds) { m_heartbeat_second_ms = milliseconds; }

    VXCommonInterface *const q_ptr;
    DeviceCloud cloud;

private:
    VXDeviceProperty *property_ptr(const char *key) const { return vx::held_property(q_ptr, key); }
    void add_links();
    Link *link_named(const QString &name) const;
    bool may_connect();
    void on_received(const QByteArray &data);
    void on_link_state(const Link &link, int state);
    bool set_link_status(Device::VXDeviceStatus status, const QString &text);
    void route_reply(Device::VXDeviceCMDType kind, int number, const QStringList &values);
    QDateTime now() const;

    QList<Link *> m_links; // in the order connectDevice tries them
    std::unique_ptr<vx::ReceiveBuffer> m_receive_buffer;
    QTimer m_device_timer;
    QString last_task_reply;
    QMutex m_send_lock;
    std::function<QDateTime()> m_clock;
    int m_heartbeat_second_ms = 1000;
    bool m_heard_since_timer_start = false; // a silent controller is not a lost one
    bool m_link_failed = false; // the last report was a failure, after which the link is closed
};

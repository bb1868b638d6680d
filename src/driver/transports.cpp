// Opening the links to the controller and turning their state reports into
// the device status and the host's link messages.
#include "vxcommoninterface_p.h"

#include "property_keys_p.h"
#include "tcp_link_p.h"
#include "usb_link_p.h"
#include "vxdeviceproperty.h"
#include "driver_logging_p.h"

namespace key = vx::key;

void VXCommonInterfacePrivate::add_link(Link *link)
{
    m_links << link;
    QObject::connect(link, &Link::received, q_ptr, [this](const QByteArray &data) { on_received(data); });
    QObject::connect(link, &Link::stateChanged, q_ptr,
                     [this, link](Link::State state) { on_link_state(*link, state); });
}

// The first link, in the order they were added, whose address the device
// holds is opened. The outcome arrives as a state report.
bool VXCommonInterface::connectDevice()
{
    Q_D(VXCommonInterface);
    if (!d->may_connect())
        return false;
    for (Link *link : qAsConst(d->m_links)) {
        if (const VXDeviceProperty *address = property_ptr(link->name().toLatin1().constData())) {
            link->open(address->value().toString(), *this);
            return true;
        }
    }
    return false;
}

void VXCommonInterfacePrivate::slot_usb_status(int s)
{
    on_link_state(*m_usb_link, UsbLink::state_of(s));
}

void VXCommonInterfacePrivate::slot_tcp_socket_state(QAbstractSocket::SocketState s)
{
    on_link_state(*m_tcp_link, TcpLink::state_of(s));
}

void VXCommonInterfacePrivate::on_link_state(const Link &link, int state)
{
    qCDebug(lcDriver) << "VXCommonInterface: link" << link.name() << "state" << state;
    if (VXDeviceProperty *mode = property_ptr(key::CONNECT_MODE))
        mode->setValue(link.name());
    if (!property_ptr(key::STATUS))
        return;
    // The timer is switched before the message: a host may delete the
    // device from the slot that receives it.
    switch (state) {
    case Link::Open:
        heartbeat_switch(true);
        set_link_status(Device::Working, link.name() + QLatin1String(vx::message::Connected));
        break;
    case Link::Failed:
        heartbeat_switch(false);
        set_link_status(Device::Warning, link.name() + QLatin1String(vx::message::Error));
        break;
    case Link::Closed:
        heartbeat_switch(false);
        set_link_status(Device::DisConnected, link.name() + QLatin1String(vx::message::Disconnected));
        break;
    }
}

bool VXCommonInterfacePrivate::set_link_status(Device::VXDeviceStatus status, const QString &text)
{
    VXDeviceProperty *property = property_ptr(key::STATUS);
    if (!property)
        return true;
    // Only a failed link sets Warning, and the link has closed by then.
    m_link_failed = status == Device::Warning;
    property->setValue(int(status));
    return q_ptr->tell_host(Device::DevStatus, text);
}

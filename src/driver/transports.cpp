// Opening the links to the controller and turning their state reports into
// the device status and the host's link messages.
#include "vxcommoninterface.h"

#include "property_keys_p.h"
#include "tcp_link_p.h"
#include "usb_link_p.h"
#include "vxdeviceproperty.h"
#include "driver_logging_p.h"

namespace key = vx::key;

void VXCommonInterface::add_link(Link *link)
{
    m_links << link;
    connect(link, &Link::received, this, &VXCommonInterface::on_received);
    connect(link, &Link::stateChanged, this, [this, link](Link::State state) { on_link_state(*link, state); });
}

// The first link, in the order they were added, whose address the device
// holds is opened. The outcome arrives as a state report.
bool VXCommonInterface::connectDevice()
{
    if (!may_connect())
        return false;
    for (Link *link : qAsConst(m_links)) {
        if (const VXDeviceProperty *address = property_ptr(link->name().toLatin1().constData())) {
            link->open(address->value().toString(), *this);
            return true;
        }
    }
    return false;
}

void VXCommonInterface::connect_usb(QString path)
{
    m_usb_link->open(path, *this);
}

void VXCommonInterface::connect_tcp(QString address)
{
    m_tcp_link->open(address, *this);
}

void VXCommonInterface::slot_usb_write(QByteArray) {}

void VXCommonInterface::slot_usb_status(int s)
{
    on_link_state(*m_usb_link, UsbLink::state_of(s));
}

void VXCommonInterface::slot_tcp_socket_state(QAbstractSocket::SocketState s)
{
    on_link_state(*m_tcp_link, TcpLink::state_of(s));
}

void VXCommonInterface::on_link_state(const Link &link, int state)
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
        set_link_status(Working, link.name() + QLatin1String(vx::message::Connected));
        break;
    case Link::Failed:
        heartbeat_switch(false);
        set_link_status(Warning, link.name() + QLatin1String(vx::message::Error));
        break;
    case Link::Closed:
        heartbeat_switch(false);
        set_link_status(DisConnected, link.name() + QLatin1String(vx::message::Disconnected));
        break;
    }
}

bool VXCommonInterface::set_link_status(VXDeviceStatus status, const QString &text)
{
    VXDeviceProperty *property = property_ptr(key::STATUS);
    if (!property)
        return true;
    // Only a failed link sets Warning, and the link has closed by then.
    m_link_failed = status == Warning;
    property->setValue(int(status));
    return tell_host(DevStatus, text);
}

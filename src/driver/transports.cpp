// Opening the links to the controller and turning their state reports into
// the device status and the host's link messages.
#include "vxcommoninterface_p.h"

#include "property_keys_p.h"
#include "trace_recorder_p.h"
#include "tcp_link_p.h"
#include "usb_link_p.h"
#include "vxdeviceproperty.h"
#include "driver_logging_p.h"

#include <algorithm>

namespace key = vx::key;

// USB wins when the device holds both a path and an address. Made on first
// use: a kind may be registered from another file's static.
QList<vx::LinkKind> &vx::link_kinds()
{
    static QList<LinkKind> kinds{
        {key::USB, "PATH", QT_TRANSLATE_NOOP("VXDeviceInterface", "USB 地址"), make_link<UsbLink>},
        {key::TCP, "HOST", QT_TRANSLATE_NOOP("VXDeviceInterface", "IP 地址"), make_link<TcpLink>},
    };
    return kinds;
}

void VXCommonInterfacePrivate::add_links()
{
    for (const vx::LinkKind &kind : vx::link_kinds()) {
        m_links << kind.make(q_ptr);
        m_links.last()->kind = kind;
    }
    TraceRecorder::for_device(q_ptr, m_links);
    for (Link *link : qAsConst(m_links)) {
        QObject::connect(link, &Link::received, q_ptr, [this](const QByteArray &data) { on_received(data); });
        QObject::connect(link, &Link::stateChanged, q_ptr,
                         [this, link](Link::State state) { on_link_state(*link, state); });
    }
}

Link *VXCommonInterfacePrivate::link_named(const QString &name) const
{
    const auto link = std::find_if(m_links.cbegin(), m_links.cend(), [&name](Link *l) { return l->name() == name; });
    return link != m_links.cend() ? *link : nullptr;
}

QStringList VXCommonInterface::links() const
{
    Q_D(const VXCommonInterface);
    QStringList forms;
    for (const Link *link : d->m_links)
        forms << link->name() + QLatin1Char(':') + QLatin1String(link->kind.address);
    return forms;
}

bool VXCommonInterface::setLinkAddress(const QString &link, const QString &address)
{
    const Link *named = d_func()->link_named(link);
    if (!named)
        return false;
    auto *property = new VXDeviceProperty(nullptr);
    const QString label = VXDeviceInterface::tr(named->kind.label);
    property->init(address, label, QLatin1String(""), 0, 0, 0, UnCMD, QStringList());
    vx::replace_property(this, named->kind.name, property);
    return true;
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
    on_link_state(*link_named(key::USB), UsbLink::state_of(s));
}

void VXCommonInterfacePrivate::slot_tcp_socket_state(QAbstractSocket::SocketState s)
{
    on_link_state(*link_named(key::TCP), TcpLink::state_of(s));
}

void VXCommonInterfacePrivate::on_link_state(const Link &link, int state)
{
    qCDebug(lcDriver) << "VXCommonInterface: link" << link.name() << "state" << state;
    if (VXDeviceProperty *mode = property_ptr(key::CONNECT_MODE))
        mode->setValue(link.name());
    static const struct { Device::VXDeviceStatus status; const char *text; } outcomes[] = {
        {Device::DisConnected, vx::message::Disconnected},
        {Device::Working, vx::message::Connected},
        {Device::Warning, vx::message::Error}};
    if (!property_ptr(key::STATUS) || uint(state) >= uint(Link::Unchanged))
        return;
    // The timer is switched before the message: a host may delete the
    // device from the slot that receives it.
    heartbeat_switch(state == Link::Open);
    set_link_status(outcomes[state].status, link.name() + QLatin1String(outcomes[state].text));
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

// Opening the links to the controller and turning their state reports into
// the device status and the host's link messages.
#include "vxcommoninterface.h"

#include "property_keys_p.h"
#include "property_store_p.h"
#include "trace_recorder_p.h"
#include "tcp_link_p.h"
#include "usb_link_p.h"
#include "vxdeviceproperty.h"
#include "driver_logging_p.h"

namespace key = vx::key;

// USB wins when the device holds both a path and an address. Made on first
// use: a kind may be registered from another file's static.
QList<vx::LinkKind> &vx::link_kinds()
{
    static QList<LinkKind> kinds{
        {key::USB, "PATH", QT_TRANSLATE_NOOP("VXCommonInterface", "USB 地址"), make_link<UsbLink>},
        {key::TCP, "HOST", QT_TRANSLATE_NOOP("VXCommonInterface", "IP 地址"), make_link<TcpLink>},
    };
    return kinds;
}

void VXCommonInterface::add_links()
{
    for (const vx::LinkKind &kind : vx::link_kinds()) {
        m_links << kind.make(this);
        m_links.last()->kind = kind;
    }
    TraceRecorder::for_device(this, m_links);
    for (Link *link : qAsConst(m_links)) {
        connect(link, &Link::received, this, &VXCommonInterface::on_received);
        connect(link, &Link::stateChanged, this, [this, link](Link::State state) { on_link_state(*link, state); });
    }
}

Link *VXCommonInterface::link_named(const QString &name) const
{
    const auto link = std::find_if(m_links.cbegin(), m_links.cend(), [&name](Link *l) { return l->name() == name; });
    return link != m_links.cend() ? *link : nullptr;
}

QStringList VXCommonInterface::links() const
{
    QStringList forms;
    for (const Link *link : m_links)
        forms << link->name() + QLatin1Char(':') + QLatin1String(link->kind.address);
    return forms;
}

bool VXCommonInterface::setLinkAddress(const QString &link, const QString &address)
{
    const Link *named = link_named(link);
    if (!named)
        return false;
    auto *property = new VXDeviceProperty(nullptr);
    property->init(address, tr(named->kind.label), QLatin1String(""), 0, 0, 0, UnCMD, QStringList());
    vx::replace_property(this, named->kind.name, property);
    return true;
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

void VXCommonInterface::slot_usb_write(QByteArray) {}

void VXCommonInterface::slot_usb_status(int s)
{
    on_link_state(*link_named(key::USB), UsbLink::state_of(s));
}

void VXCommonInterface::slot_tcp_socket_state(QAbstractSocket::SocketState s)
{
    on_link_state(*link_named(key::TCP), TcpLink::state_of(s));
}

void VXCommonInterface::on_link_state(const Link &link, int state)
{
    qCDebug(lcDriver) << "VXCommonInterface: link" << link.name() << "state" << state;
    if (VXDeviceProperty *mode = property_ptr(key::CONNECT_MODE))
        mode->setValue(link.name());
    static const struct { VXDeviceStatus status; const char *text; } outcomes[] = {
        {DisConnected, vx::message::Disconnected}, {Working, vx::message::Connected}, {Warning, vx::message::Error}};
    if (!property_ptr(key::STATUS) || uint(state) >= uint(Link::Unchanged))
        return;
    // The timer is switched before the message: a host may delete the
    // device from the slot that receives it.
    heartbeat_switch(state == Link::Open);
    set_link_status(outcomes[state].status, link.name() + QLatin1String(outcomes[state].text));
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

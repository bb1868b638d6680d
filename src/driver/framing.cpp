// The one way out for frames (status gate, send lock, the link in use) and
// the way in: every link's bytes into one receive buffer.
#include "vxcommoninterface.h"

#include "frame.h"
#include "link_p.h"
#include "property_keys_p.h"
#include "receive_buffer.h"
#include "reply.h"
#include "tcp_link_p.h"
#include "vxdeviceproperty.h"

#include <QtCore/QDateTime>
#include <QtCore/QMutexLocker>
#include <QtCore/QPointer>

#include <algorithm>

namespace key = vx::key;

static bool status_allows_sending(int status)
{
    return status != VXDeviceInterface::DisConnected && status != VXDeviceInterface::Warning
        && status != VXDeviceInterface::Error;
}

void VXCommonInterface::sendCMD(QByteArray frame)
{
    if (frame.isEmpty())
        return;
    send_cmd(frame);
}

// Frames go out on the link the connection mode names; the first link
// when it names none.
void VXCommonInterface::send_cmd(QByteArray frame)
{
    const VXDeviceProperty *mode = property_ptr(key::CONNECT_MODE);
    const VXDeviceProperty *status = property_ptr(key::STATUS);
    if (!mode || !status || !status_allows_sending(status->value().toInt()))
        return;

    QMutexLocker lock(&m_send_lock);
    Link *named = link_named(mode->value().toString());
    (named ? named : m_links.first())->send(frame);
}

// Every read: kept quietly, as replies are, since nobody asked to be told.
void VXCommonInterface::on_received(const QByteArray &data)
{
    m_heard_since_timer_start = true;
    if (VXDeviceProperty *last = property_ptr(key::LAST_TIME))
        last->set_value_silently(now());
    m_receive_buffer->append(data);
    decode_buffer();
}

void VXCommonInterface::slot_usb_read(QByteArray data)
{
    on_received(data);
}

void VXCommonInterface::slot_tcp_socket_read()
{
    if (auto *tcp = qobject_cast<TcpLink *>(link_named(key::TCP)))
        tcp->read_pending();
}

void VXCommonInterface::decode_buffer()
{
    // A host may delete the device from a slot run by the dispatch.
    const QPointer<VXCommonInterface> alive(this);
    QByteArray frame;
    while (alive && m_receive_buffer->next_frame(&frame))
        dispatch_reply(vx::protocol::parse_reply(vx::frame_text(frame)));
}

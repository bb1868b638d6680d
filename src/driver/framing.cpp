// The one way out for frames (status gate, send lock, the link in use) and
// the way in: every link's bytes into one receive buffer.
#include "vxcommoninterface_p.h"

#include "frame.h"
#include "link_p.h"
#include "property_keys_p.h"
#include "receive_buffer.h"
#include "reply.h"
#include "vxdeviceproperty.h"

#include <QtCore/QDateTime>
#include <QtCore/QMutexLocker>
#include <QtCore/QPointer>

namespace key = vx::key;

static bool status_allows_sending(int status)
{
    return status != VXDeviceInterface::DisConnected && status != VXDeviceInterface::Warning
        && status != VXDeviceInterface::Error;
}

void VXCommonInterface::sendCMD(QByteArray frame)
{
    if (!frame.isEmpty())
        d_func()->send_cmd(frame);
}

// Frames go out on the link the connection mode names; the first link
// when it names none.
void VXCommonInterfacePrivate::send_cmd(QByteArray frame)
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
// A host may delete the device, and this with it, from a slot the dispatch runs.
void VXCommonInterfacePrivate::on_received(const QByteArray &data)
{
    m_heard_since_timer_start = true;
    if (VXDeviceProperty *last = property_ptr(key::LAST_TIME))
        last->set_value_silently(now());
    m_receive_buffer->append(data);
    const QPointer<VXCommonInterface> alive(q_ptr);
    QByteArray frame;
    while (alive && m_receive_buffer->next_frame(&frame))
        q_ptr->dispatch_reply(vx::protocol::parse_reply(vx::frame_text(frame)));
}

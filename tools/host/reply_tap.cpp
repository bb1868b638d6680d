#include "reply_tap.h"

#include "frame.h"
#include "reply.h"
#include "vxdeviceinterface.h"

#include <QtCore/QMetaMethod>

ReplyTap::ReplyTap(VXDeviceInterface *device)
{
    const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("on_bytes(QByteArray)"));
    for (QObject *child : device->findChildren<QObject *>(QString(), Qt::FindDirectChildrenOnly)) {
        const int signal = child->metaObject()->indexOfSignal("received(QByteArray)");
        if (signal >= 0 && connect(child, child->metaObject()->method(signal), this, slot))
            ++m_links;
    }
}

void ReplyTap::on_bytes(const QByteArray &bytes)
{
    using namespace vx::protocol;
    m_buffer.append(bytes);
    QByteArray frame;
    while (m_buffer.next_frame(&frame)) {
        const Reply reply = parse_reply(vx::frame_text(frame));
        bool number_ok = false;
        bool result_ok = false;
        if (reply.kind != FrameKind::CCMD || !reply.has_result())
            continue;
        reply.items.first().toInt(&number_ok);
        reply.items.at(1).toInt(&result_ok);
        if (number_ok && result_ok)
            m_results.insert(reply.code, reply.result());
    }
}

// The one way out for frames (status gate, send lock, transport choice)
// and the receive paths of both transports into one receive buffer.
#include "vxcommoninterface.h"

#include "usboperate.h"
#include "vxdeviceproperty.h"

#include <QtCore/QDateTime>
#include <QtCore/QMutexLocker>
#include <QtCore/QPointer>
#include <QtNetwork/QTcpSocket>

namespace {

// Frames are text up to the first zero byte.
QString frame_text(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes.constData(), int(qstrnlen(bytes.constData(), uint(bytes.size()))));
}

bool status_allows_sending(int status)
{
    return status != VXDeviceInterface::DisConnected && status != VXDeviceInterface::Warning
        && status != VXDeviceInterface::Error;
}

} // namespace

void VXCommonInterface::sendCMD(QByteArray frame)
{
    if (frame.isEmpty())
        return;
    send_cmd(frame);
}

void VXCommonInterface::send_cmd(QByteArray frame)
{
    const VXDeviceProperty *mode = property_ptr("CONNECT_MODE");
    const VXDeviceProperty *status = property_ptr("STATUS");
    if (!mode || !status || !status_allows_sending(status->value().toInt()))
        return;

    QMutexLocker lock(&m_send_lock);
    if (mode->value().toString() == QLatin1String("TCP")) {
        if (m_tcp) {
            m_tcp->write(frame);
            // Out now rather than on the next turn of the event loop: a page
            // follows a page-done report, and the machine waits for it.
            m_tcp->flush();
        }
    } else if (m_usb) {
        m_usb->send(frame_text(frame));
    }
}

// Every read: kept quietly, as replies are, since nobody asked to be told.
void VXCommonInterface::mark_received()
{
    m_heard_since_timer_start = true;
    if (VXDeviceProperty *last = property_ptr("LAST_TIME"))
        last->set_value_silently(now());
}

void VXCommonInterface::slot_usb_read(QByteArray data)
{
    mark_received();
    m_receive_buffer.append(data);
    decode_buffer();
}

void VXCommonInterface::slot_tcp_socket_read()
{
    mark_received();
    if (m_tcp)
        m_receive_buffer.append(m_tcp->readAll());
    decode_buffer();
}

void VXCommonInterface::decode_buffer()
{
    // A host may delete the device from a slot run by the dispatch.
    const QPointer<VXCommonInterface> alive(this);
    QByteArray frame;
    while (alive && m_receive_buffer.next_frame(&frame))
        decode_cmd(frame_text(frame));
}

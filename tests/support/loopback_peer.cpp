#include "loopback_peer.h"

#include "event_wait.h"
#include "frame.h"
#include "quick_ack.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtTest/QtTest>

LoopbackPeer::LoopbackPeer()
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackPeer::on_connection);
}

void LoopbackPeer::on_connection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        delete m_client;
        m_client = socket;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            acknowledge_at_once(socket);
            m_buffer.append(socket->readAll());
            QByteArray frame;
            while (m_buffer.next_frame(&frame))
                frames << frame;
        });
    }
}

bool LoopbackPeer::attach(VXDeviceInterface *device)
{
    device->property_ptr("TCP_PORT")->setValue(int(port()));
    device->setIPAddress(QStringLiteral("127.0.0.1"));
    if (!device->connectDevice())
        return false;
    return wait_until([&] {
        return m_client && device->property_ptr("STATUS")->value().toInt() == VXDeviceInterface::Working;
    });
}

bool LoopbackPeer::wait_frames(int count, int timeout_ms)
{
    return wait_until([&] { return frames.size() >= count; }, timeout_ms);
}

QStringList LoopbackPeer::bodies() const
{
    QStringList list;
    for (const QByteArray &frame : frames) {
        const int name_end = frame.indexOf(';', frame.indexOf(';') + 1);
        list << QString::fromUtf8(frame.mid(name_end + 1, frame.size() - name_end - 2));
    }
    return list;
}

void LoopbackPeer::send(const QByteArray &bytes)
{
    if (m_client)
        m_client->write(bytes);
}

void LoopbackPeer::reply(const QByteArray &name, const QByteArray &body)
{
    send(vx::frame(name, body));
}

void LoopbackPeer::drop()
{
    if (m_client)
        m_client->close();
}

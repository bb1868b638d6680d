#pragma once

#include "receive_buffer.h"

#include <QtCore/QObject>
#include <QtNetwork/QTcpServer>
#include <QtNetwork/QTcpSocket>

class VXDeviceInterface;

// A controller stand-in on a real loopback socket: records the frames a
// device sends and answers with whatever a test tells it to.
class LoopbackPeer : public QObject
{
public:
    LoopbackPeer();

    quint16 port() const { return m_server.serverPort(); }
    // Points the device at this peer and waits until it reports "Working".
    bool attach(VXDeviceInterface *device);

    bool wait_frames(int count, int timeout_ms = 5000);
    // Frames received so far, with STX and ETX, oldest first.
    QList<QByteArray> frames;
    // Frame bodies received so far: the text between the second ";" and ETX.
    QStringList bodies() const;

    void send(const QByteArray &bytes);
    // Bytes sent and not yet handed to the socket: for a sender that paces itself.
    qint64 bytes_to_write() const { return m_client ? m_client->bytesToWrite() : 0; }
    void reply(const QByteArray &name, const QByteArray &body);
    void drop();

private:
    void on_connection();

    QTcpServer m_server;
    QTcpSocket *m_client = nullptr;
    // Takes frames of several pieces of the link's writes.
    vx::ReceiveBuffer m_buffer{16 << 20};
};

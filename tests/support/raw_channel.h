#pragma once

#include <QtCore/QObject>
#include <QtCore/QUrl>
#include <QtNetwork/QTcpServer>

class QTcpSocket;

// A cloud channel peer at the byte level, for what a WebSocket server
// library will not do: send a text message far larger than could be built
// in memory, or stop reading what the device sends.
class RawChannelPeer : public QObject
{
public:
    RawChannelPeer();

    // For MorvoCloud's WebSocket base address.
    QUrl base() const;
    bool open() const { return m_open; }
    // The device closed or dropped the connection after it was open.
    bool closed() const { return m_closed; }
    qint64 received_bytes() const { return m_received; }

    // One text message of this many bytes, streamed a piece at a time.
    void send_text(qint64 bytes);
    // Nothing more is read: the device's writes back up.
    void stop_reading();

private:
    void on_connection();
    void on_ready_read();
    void feed();

    QTcpServer m_server;
    QTcpSocket *m_socket = nullptr;
    QByteArray m_handshake;
    bool m_open = false;
    bool m_closed = false;
    bool m_reading = true;
    qint64 m_received = 0;
    qint64 m_to_send = 0;
};

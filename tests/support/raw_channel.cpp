#include "raw_channel.h"

#include <QtCore/QCryptographicHash>
#include <QtCore/QtEndian>
#include <QtNetwork/QTcpSocket>

namespace {
constexpr qint64 kPiece = 256 * 1024;
} // namespace

RawChannelPeer::RawChannelPeer()
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, &RawChannelPeer::on_connection);
}

QUrl RawChannelPeer::base() const
{
    return QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(m_server.serverPort()));
}

void RawChannelPeer::on_connection()
{
    m_socket = m_server.nextPendingConnection();
    connect(m_socket, &QTcpSocket::readyRead, this, &RawChannelPeer::on_ready_read);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &RawChannelPeer::feed);
    connect(m_socket, &QTcpSocket::disconnected, this, [this] { m_closed = m_open; });
}

void RawChannelPeer::on_ready_read()
{
    if (m_open) {
        if (m_reading)
            m_received += m_socket->readAll().size();
        return;
    }
    m_handshake += m_socket->readAll();
    if (!m_handshake.contains("\r\n\r\n"))
        return;
    QByteArray key;
    for (const QByteArray &line : m_handshake.split('\n')) {
        if (line.toLower().startsWith("sec-websocket-key:"))
            key = line.mid(18).trimmed();
    }
    const QByteArray accept = QCryptographicHash::hash(key + "258EAFA5-E914-47DA-95CA-C5AB0DC85B11",
                                                       QCryptographicHash::Sha1).toBase64();
    m_socket->write("HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                    "Sec-WebSocket-Accept: " + accept + "\r\n\r\n");
    m_open = true;
}

void RawChannelPeer::send_text(qint64 bytes)
{
    // FIN and text, then the length: one byte, or 126 and two, or 127 and eight.
    QByteArray header(1, char(0x81));
    if (bytes < 126) {
        header += char(bytes);
    } else if (bytes < 65536) {
        header += char(126);
        header.resize(4);
        qToBigEndian(quint16(bytes), header.data() + 2);
    } else {
        header += char(127);
        header.resize(10);
        qToBigEndian(quint64(bytes), header.data() + 2);
    }
    m_socket->write(header);
    m_to_send = bytes;
    feed();
}

void RawChannelPeer::feed()
{
    if (m_to_send <= 0 || !m_socket || m_socket->bytesToWrite() > 0)
        return;
    const qint64 piece = qMin(m_to_send, kPiece);
    m_to_send -= piece;
    m_socket->write(QByteArray(int(piece), 'x'));
}

void RawChannelPeer::stop_reading()
{
    m_reading = false;
    if (m_socket)
        m_socket->setReadBufferSize(1);
}

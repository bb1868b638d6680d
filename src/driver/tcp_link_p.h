#pragma once

#include "link_p.h"
#include "property_keys_p.h"

#include <QtCore/QList>
#include <QtNetwork/QAbstractSocket>

class QTcpSocket;

// The controller's network port: the address is a host name or IP, the
// port the device's "TCP_PORT".
class TcpLink : public Link
{
    Q_OBJECT

public:
    using Link::Link;
    ~TcpLink() override;

    static State state_of(QAbstractSocket::SocketState state);

    QString name() const override { return QLatin1String(vx::key::TCP); }
    void open(const QString &address, VXDeviceInterface &device) override;
    void write(const QByteArray &frame) override;
    void close() override;
    // Hands on what the socket holds.
    void read_pending();

private:
    void on_state(QAbstractSocket::SocketState state);
    void feed();
    void drop_outgoing();

    QTcpSocket *m_socket = nullptr;
    // Frames not yet handed to the socket, shared with their senders, and
    // how much of the first one was.
    QList<QByteArray> m_outgoing;
    int m_handed = 0;
};

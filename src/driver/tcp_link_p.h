#pragma once

#include "link_p.h"

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

    QString target(const QString &address, VXDeviceInterface &device) const override;
    void open(const QString &address, VXDeviceInterface &device) override;
    void write(const QByteArray &frame) override;
    void close() override;
    // Hands on what the socket holds.
    void read_pending();

private:
    void on_state(QAbstractSocket::SocketState state);
    void feed();
    void drop_outgoing();
    void report_deferred();

    QTcpSocket *m_socket = nullptr;
    // Set while frames are handed to the socket: a state change then is
    // reported from the event loop, and until then held here.
    bool m_feeding = false;
    State m_deferred = Unchanged;
    // Frames not yet handed to the socket, shared with their senders, and
    // how much of the first one was.
    QList<QByteArray> m_outgoing;
    int m_handed = 0;
};

#pragma once

#include "link_p.h"
#include "property_keys_p.h"

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

    // The state a socket state stands for.
    static State state_of(QAbstractSocket::SocketState state);

    QString name() const override { return QLatin1String(vx::key::TCP); }
    void open(const QString &address, VXDeviceInterface &device) override;
    void write(const QByteArray &frame) override;
    void close() override;
    // Hands on what the socket holds.
    void read_pending();

private:
    void on_state(QAbstractSocket::SocketState state);

    QTcpSocket *m_socket = nullptr;
};

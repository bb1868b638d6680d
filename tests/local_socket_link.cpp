// A link kind built only for the tests: a local socket, registered by one
// line, which the device makes, connects, traces and names as it does its
// own links.
#include "link_p.h"

#include <QtNetwork/QLocalSocket>

namespace {

// The socket is made on first use: a device that never takes this link
// holds nothing of it.
class LocalSocketLink : public Link
{
public:
    using Link::Link;
    ~LocalSocketLink() override
    {
        if (m_socket)
            m_socket->disconnect(this);
    }

    void open(const QString &address, VXDeviceInterface &) override
    {
        if (!m_socket) {
            m_socket = new QLocalSocket(this);
            connect(m_socket, &QLocalSocket::readyRead, this, [this] { emit received(m_socket->readAll()); });
            connect(m_socket, &QLocalSocket::stateChanged, this, [this](QLocalSocket::LocalSocketState state) {
                if (state == QLocalSocket::ConnectedState || state == QLocalSocket::UnconnectedState)
                    emit stateChanged(state == QLocalSocket::ConnectedState ? Open : Closed);
            });
        }
        m_socket->abort();
        m_socket->connectToServer(address);
    }
    void write(const QByteArray &frame) override
    {
        if (m_socket)
            m_socket->write(frame);
    }
    void close() override
    {
        if (m_socket)
            m_socket->abort();
    }

private:
    QLocalSocket *m_socket = nullptr;
};

const bool registered = vx::register_link({"LOCAL", "SOCKET", "Socket path", vx::make_link<LocalSocketLink>});

} // namespace

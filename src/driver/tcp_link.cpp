#include "tcp_link_p.h"

#include "property_keys_p.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtNetwork/QTcpSocket>

namespace key = vx::key;

namespace {
constexpr int kReadBufferSize = 10240;
}

TcpLink::~TcpLink()
{
    close();
}

Link::State TcpLink::state_of(QAbstractSocket::SocketState state)
{
    switch (state) {
    case QAbstractSocket::ConnectedState: return Open;
    case QAbstractSocket::UnconnectedState: return Closed;
    default: return Unchanged;
    }
}

void TcpLink::open(const QString &address, VXDeviceInterface &device)
{
    if (!m_socket) {
        m_socket = new QTcpSocket(this);
        m_socket->setReadBufferSize(kReadBufferSize);
        m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, true);
        connect(m_socket, &QTcpSocket::readyRead, this, &TcpLink::read_pending);
        connect(m_socket, &QTcpSocket::stateChanged, this, &TcpLink::on_state);
    }
    const VXDeviceProperty *port = device.property_ptr(key::TCP_PORT);
    if (!port)
        return;
    switch (m_socket->state()) {
    case QAbstractSocket::HostLookupState:
    case QAbstractSocket::ConnectingState:
        return; // an attempt is under way: let it tell how it ends
    case QAbstractSocket::UnconnectedState:
        break;
    default:
        // A link declared lost while the socket still looks connected (a
        // heartbeat timeout) is opened afresh rather than left as it is.
        m_socket->abort();
        break;
    }
    m_socket->connectToHost(address, quint16(port->value().toInt()), QIODevice::ReadWrite,
                            QAbstractSocket::AnyIPProtocol);
}

void TcpLink::write(const QByteArray &frame)
{
    if (!m_socket)
        return;
    m_socket->write(frame);
    // Out now rather than on the next turn of the event loop: a page
    // follows a page-done report, and the machine waits for it.
    m_socket->flush();
}

// Closing a connected socket reports the unconnected state at once, so the
// device hears of it now; the socket itself goes from the event loop, as
// its own signal may be running.
void TcpLink::close()
{
    if (!m_socket)
        return;
    m_socket->close();
    m_socket->disconnect(this);
    m_socket->setParent(nullptr);
    m_socket->deleteLater();
    m_socket = nullptr;
}

void TcpLink::read_pending()
{
    if (m_socket)
        emit received(m_socket->readAll());
}

void TcpLink::on_state(QAbstractSocket::SocketState state)
{
    // Qt only applies socket options to an open socket: keep-alive set
    // when the socket was made would be lost. Frames go out at once: the
    // machine waits for each, and a short one held back for the peer's
    // delayed acknowledgement (the next copy's request after the last
    // page) stalls the job for 40 ms.
    if (state == QAbstractSocket::ConnectedState) {
        m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, true);
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, true);
    }
    emit stateChanged(state_of(state));
}

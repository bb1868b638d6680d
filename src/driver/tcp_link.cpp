#include "tcp_link_p.h"

#include "property_keys_p.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QPointer>
#include <QtCore/QScopedValueRollback>
#include <QtNetwork/QTcpSocket>

#include <utility>

constexpr int kReadBufferSize = 10240;
// A large page reaches the socket a piece at a time, as it drains, so the
// socket never holds a second copy of the whole page.
constexpr int kPieceBytes = 1 << 20;

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

QString TcpLink::target(const QString &address, VXDeviceInterface &device) const
{
    const VXDeviceProperty *port = device.property_ptr(vx::key::TCP_PORT);
    return port ? address + QLatin1Char(':') + port->value().toString() : address;
}

void TcpLink::open(const QString &address, VXDeviceInterface &device)
{
    if (!m_socket) {
        m_socket = new QTcpSocket(this);
        m_socket->setReadBufferSize(kReadBufferSize);
        connect(m_socket, &QTcpSocket::readyRead, this, &TcpLink::read_pending);
        connect(m_socket, &QTcpSocket::stateChanged, this, &TcpLink::on_state);
        connect(m_socket, &QTcpSocket::bytesWritten, this, &TcpLink::feed);
    }
    const VXDeviceProperty *port = device.property_ptr(vx::key::TCP_PORT);
    if (!port)
        return;
    const QAbstractSocket::SocketState state = m_socket->state();
    if (state == QAbstractSocket::HostLookupState || state == QAbstractSocket::ConnectingState)
        return; // an attempt is under way: let it tell how it ends
    if (state != QAbstractSocket::UnconnectedState) {
        // A link declared lost while the socket still looks connected (a
        // heartbeat timeout) is opened afresh rather than left as it is.
        // The host hears of the close and may delete the device meanwhile.
        drop_outgoing();
        const QPointer<TcpLink> alive(this);
        m_socket->abort();
        if (!alive)
            return;
    }
    m_socket->connectToHost(address, quint16(port->value().toInt()), QIODevice::ReadWrite,
                            QAbstractSocket::AnyIPProtocol);
}

void TcpLink::write(const QByteArray &frame)
{
    // A link lost in an earlier write takes nothing more, though the
    // device may not have heard of it yet.
    if (!m_socket || m_socket->state() == QAbstractSocket::UnconnectedState)
        return;
    m_outgoing << frame;
    feed();
}

// Each piece goes out now, not on the next turn of the event loop (the
// machine waits for a page). A flush made while the socket reports bytes
// written reports nothing itself, so pieces go on while the socket takes
// them. A failed write aborts the socket inside flush(); the loss is told
// once the sender has returned, as the host may delete the device then.
void TcpLink::feed()
{
    const QScopedValueRollback<bool> feeding(m_feeding, true);
    while (!m_outgoing.isEmpty() && m_socket->bytesToWrite() < kPieceBytes) {
        const QByteArray &frame = m_outgoing.first();
        const int piece = qMin(kPieceBytes, frame.size() - m_handed);
        if (m_handed == 0 && piece == frame.size())
            m_socket->write(frame); // whole, shared rather than copied
        else
            m_socket->write(frame.constData() + m_handed, piece);
        m_handed += piece;
        if (m_handed == frame.size()) {
            m_outgoing.removeFirst();
            m_handed = 0;
        }
        m_socket->flush();
    }
}

void TcpLink::drop_outgoing()
{
    m_outgoing.clear();
    m_handed = 0;
}

// Closing a connected socket reports the unconnected state at once, so the
// device hears of it now; the socket itself goes from the event loop, as
// its own signal may be running.
void TcpLink::close()
{
    drop_outgoing();
    if (m_socket) {
        m_socket->close();
        m_socket->disconnect(this);
        m_socket->setParent(nullptr);
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    report_deferred(); // a loss not yet told is told now
}

void TcpLink::report_deferred()
{
    const State state = std::exchange(m_deferred, Unchanged);
    if (state != Unchanged)
        emit stateChanged(state);
}

void TcpLink::read_pending()
{
    if (m_socket)
        emit received(m_socket->readAll());
}

void TcpLink::on_state(QAbstractSocket::SocketState state)
{
    // Qt only applies socket options to an open socket. Frames go out at
    // once: the machine waits for each, and a short one held back for the
    // peer's delayed acknowledgement stalls the job for 40 ms.
    if (state == QAbstractSocket::UnconnectedState)
        drop_outgoing(); // what the socket held is gone with it
    if (state == QAbstractSocket::ConnectedState) {
        m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, true);
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, true);
    }
    if (!m_feeding) {
        emit stateChanged(state_of(state));
        return;
    }
    // Inside feed(): told once the sender has returned.
    if (state_of(state) == Unchanged)
        return;
    if (m_deferred == Unchanged)
        QMetaObject::invokeMethod(this, &TcpLink::report_deferred, Qt::QueuedConnection);
    m_deferred = state_of(state);
}

#include "controller_simulator.h"

#include "controller_request.h"
#include "pty_port.h"
#include "sim_log.h"

#include <QtNetwork/QTcpServer>
#include <QtNetwork/QTcpSocket>

namespace vx::sim {

namespace {
constexpr qint64 ReadChunkBytes = 64 * 1024;
} // namespace

ControllerSimulator::ControllerSimulator(const SimulatorOptions &options, QObject *parent)
    : QObject(parent), m_options(options), m_model(options), m_sender(options)
{
    connect(&m_model, &ControllerModel::frameOut, this, &ControllerSimulator::sendFrame);
    connect(&m_model, &ControllerModel::pageFinished, this, &ControllerSimulator::countFinishedPage);
    connect(&m_sender, &FrameSender::bytesOut, this, &ControllerSimulator::writeToLink);
    connect(&m_sender, &FrameSender::drained, this, [this] {
        if (m_closeWhenSent)
            closeClient();
    });
}

ControllerSimulator::~ControllerSimulator()
{
    // The socket must not report its end to a half-destroyed simulator.
    if (m_client)
        m_client->disconnect(this);
}

quint16 ControllerSimulator::listen(quint16 port, const QHostAddress &address)
{
    if (!m_server) {
        m_server = new QTcpServer(this);
        connect(m_server, &QTcpServer::newConnection, this, &ControllerSimulator::acceptClient);
    }
    if (!m_server->listen(address, port)) {
        m_error = m_server->errorString();
        return 0;
    }
    qCDebug(lcSim) << "listening on" << address << m_server->serverPort();
    return m_server->serverPort();
}

QString ControllerSimulator::openPty()
{
    if (m_pty)
        return m_pty->slavePath();
    auto *pty = new PtyPort(this);
    if (!pty->open()) {
        m_error = pty->errorString();
        delete pty;
        return QString();
    }
    m_pty = pty;
    connect(m_pty, &PtyPort::received, this,
            [this](const QByteArray &bytes) { receive(Link::Pty, &m_ptyCutter, bytes); });
    return m_pty->slavePath();
}

void ControllerSimulator::acceptClient()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        if (m_client) {
            qCDebug(lcSim) << "a new client replaces the old one";
            QTcpSocket *old = m_client;
            dropClient(old);
            old->abort();
        }
        m_client = socket;
        // Split chunks must leave as separate segments.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::readyRead, this, &ControllerSimulator::readClient);
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { dropClient(socket); });
        m_tcpCutter.clear();
        m_replyLink = Link::Tcp;
        qCDebug(lcSim) << "client" << socket->peerAddress() << socket->peerPort();
        emit clientConnected();
    }
}

void ControllerSimulator::readClient()
{
    while (m_client && m_client->bytesAvailable() > 0)
        receive(Link::Tcp, &m_tcpCutter, m_client->read(ReadChunkBytes));
}

void ControllerSimulator::dropClient(QTcpSocket *socket)
{
    socket->disconnect(this);
    socket->deleteLater();
    if (socket != m_client)
        return;
    m_client = nullptr;
    m_closeWhenSent = false;
    if (m_replyLink == Link::Tcp) {
        // A job does not outlive the connection that sent it.
        m_replyLink = Link::None;
        m_sender.clear();
        m_model.jobs().abort();
    }
    qCDebug(lcSim) << "client gone";
    emit clientDisconnected();
}

void ControllerSimulator::receive(Link link, ReceiveBuffer *cutter, const QByteArray &bytes)
{
    m_replyLink = link;
    const QList<QByteArray> frames = cutter->feed(bytes);
    for (const QByteArray &frame : frames) {
        qCDebug(lcSim) << "<-" << frame;
        emit frameReceived(frame);
        const ControllerRequest request = parse_request(frame);
        if (request.kind == ControllerRequest::Kind::Invalid) {
            qCDebug(lcSim) << "rejected:" << request.error;
            emit requestRejected(frame, request.error);
            continue;
        }
        m_model.handle(request);
    }
}

void ControllerSimulator::sendFrame(const QByteArray &frame, bool isProgress)
{
    qCDebug(lcSim) << "->" << frame;
    emit frameSent(frame);
    m_sender.send(frame, isProgress);
}

void ControllerSimulator::writeToLink(const QByteArray &bytes)
{
    if (m_replyLink == Link::Tcp && m_client)
        m_client->write(bytes);
    else if (m_replyLink == Link::Pty && m_pty)
        m_pty->write(bytes);
    else
        return;
    emit bytesWritten(bytes);
}

void ControllerSimulator::countFinishedPage()
{
    ++m_finishedPages;
    if (m_finishedPages == m_options.machineStopAfterPages) {
        qCDebug(lcSim) << "stop pressed on the machine after" << m_finishedPages << "pages";
        m_model.jobs().pressMachineStop();
    }
    if (m_finishedPages == m_options.dropAfterPages)
        closeClientWhenSent();
}

void ControllerSimulator::closeClientWhenSent()
{
    if (m_sender.isIdle())
        closeClient();
    else
        m_closeWhenSent = true;
}

void ControllerSimulator::closeClient()
{
    m_closeWhenSent = false;
    if (!m_client) {
        qCDebug(lcSim) << "no TCP client to drop";
        return;
    }
    qCDebug(lcSim) << "dropping the client after" << m_finishedPages << "pages";
    // Written bytes still go out; "disconnected" then ends the job.
    m_client->disconnectFromHost();
}

} // namespace vx::sim

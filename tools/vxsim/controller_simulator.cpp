#include "controller_simulator.h"

#include "controller_request.h"
#include "pty_port.h"
#include "sim_log.h"

#include <QtNetwork/QTcpServer>
#include <QtNetwork/QTcpSocket>

#include <sys/socket.h>

namespace vx::sim {

namespace {
constexpr qint64 kReadChunkBytes = 64 * 1024;
} // namespace

ControllerSimulator::ControllerSimulator(const SimulatorOptions &options, QObject *parent)
    : QObject(parent), m_options(options), m_model(options), m_sender(options),
      m_tcp_cutter(options.max_frame_bytes), m_pty_cutter(options.max_frame_bytes)
{
    connect(&m_model, &ControllerModel::frame_out, this, &ControllerSimulator::send_frame);
    connect(&m_model, &ControllerModel::page_finished, this, &ControllerSimulator::count_finished_page);
    connect(&m_sender, &FrameSender::bytes_out, this, &ControllerSimulator::write_to_link);
    connect(&m_sender, &FrameSender::drained, this, [this] {
        if (m_close_when_sent)
            close_client();
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
        connect(m_server, &QTcpServer::newConnection, this, &ControllerSimulator::accept_client);
    }
    if (!m_server->listen(address, port)) {
        m_error = m_server->errorString();
        return 0;
    }
    qCDebug(lcSim) << "listening on" << address << m_server->serverPort();
    return m_server->serverPort();
}

QString ControllerSimulator::open_pty()
{
    if (m_pty)
        return m_pty->slave_path();
    auto *pty = new PtyPort(this);
    if (!pty->open()) {
        m_error = pty->error_string();
        delete pty;
        return QString();
    }
    m_pty = pty;
    connect(m_pty, &PtyPort::received, this,
            [this](const QByteArray &bytes) { receive(Link::Pty, &m_pty_cutter, bytes); });
    return m_pty->slave_path();
}

void ControllerSimulator::accept_client()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        if (m_client) {
            qCDebug(lcSim) << "a new client replaces the old one";
            QTcpSocket *old = m_client;
            drop_client(old);
            old->abort();
        }
        m_client = socket;
        // Split chunks must leave as separate segments.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::readyRead, this, &ControllerSimulator::read_client);
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { drop_client(socket); });
        m_tcp_cutter.clear();
        m_reply_link = Link::Tcp;
        qCDebug(lcSim) << "client" << socket->peerAddress() << socket->peerPort();
        emit client_connected();
    }
}

void ControllerSimulator::read_client()
{
    while (m_client && m_client->bytesAvailable() > 0)
        receive(Link::Tcp, &m_tcp_cutter, m_client->read(kReadChunkBytes));
}

void ControllerSimulator::drop_client(QTcpSocket *socket)
{
    socket->disconnect(this);
    socket->deleteLater();
    if (socket != m_client)
        return;
    m_client = nullptr;
    m_close_when_sent = false;
    if (m_reply_link == Link::Tcp) {
        // A job does not outlive the connection that sent it.
        m_reply_link = Link::None;
        m_sender.clear();
        m_model.jobs().abort();
    }
    qCDebug(lcSim) << "client gone";
    emit client_disconnected();
}

void ControllerSimulator::receive(Link link, ReceiveBuffer *cutter, const QByteArray &bytes)
{
    m_reply_link = link;
    const QList<QByteArray> frames = cutter->feed(bytes);
    for (const QByteArray &frame : frames) {
        qCDebug(lcSim) << "<-" << frame;
        emit frame_received(frame);
        const ControllerRequest request = parse_request(frame);
        if (request.kind == ControllerRequest::Kind::Invalid) {
            qCDebug(lcSim) << "rejected:" << request.error;
            emit request_rejected(frame, request.error);
            continue;
        }
        m_model.handle(request);
    }
}

void ControllerSimulator::send_frame(const QByteArray &frame, bool is_progress)
{
    if (m_silent) {
        qCDebug(lcSim) << "silent, not sent:" << frame;
        return;
    }
    qCDebug(lcSim) << "->" << frame;
    emit frame_sent(frame);
    m_sender.send(frame, is_progress);
}

void ControllerSimulator::write_to_link(const QByteArray &bytes)
{
    if (m_reply_link == Link::Tcp && m_client)
        m_client->write(bytes);
    else if (m_reply_link == Link::Pty && m_pty)
        m_pty->write(bytes);
    else
        return;
    emit bytes_written(bytes);
}

void ControllerSimulator::count_finished_page()
{
    ++m_finished_pages;
    if (m_finished_pages == m_options.machine_stop_after_pages) {
        qCDebug(lcSim) << "stop pressed on the machine after" << m_finished_pages << "pages";
        m_model.jobs().press_machine_stop();
    }
    if (m_finished_pages == m_options.drop_after_pages)
        close_client_when_sent();
    if (m_finished_pages == m_options.silent_after_pages) {
        qCDebug(lcSim) << "silent after" << m_finished_pages << "pages";
        m_silent = true;
    }
}

void ControllerSimulator::close_client_when_sent()
{
    if (m_sender.is_idle())
        close_client();
    else
        m_close_when_sent = true;
}

void ControllerSimulator::close_client()
{
    m_close_when_sent = false;
    if (!m_client) {
        qCDebug(lcSim) << "no TCP client to drop";
        return;
    }
    qCDebug(lcSim) << "dropping the client after" << m_finished_pages << "pages";
    if (m_options.reset_on_drop) {
        // What was written goes first; a close without lingering then
        // sends a reset instead of the orderly end.
        m_client->flush();
        const linger no_linger{1, 0};
        setsockopt(int(m_client->socketDescriptor()), SOL_SOCKET, SO_LINGER, &no_linger, sizeof no_linger);
        m_client->abort();
        return;
    }
    // Written bytes still go out; "disconnected" then ends the job.
    m_client->disconnectFromHost();
}

} // namespace vx::sim

#include "replay_controller.h"

#include "simulator_options.h"
#include "sim_log.h"
#include "trace_reader.h"

#include <QtNetwork/QTcpServer>
#include <QtNetwork/QTcpSocket>

namespace vx::sim {

ReplayController::ReplayController(bool fast, QObject *parent)
    : QObject(parent), m_fast(fast), m_cutter(SimulatorOptions().max_frame_bytes)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ReplayController::send_due);
    m_clock.start();
}

ReplayController::~ReplayController()
{
    if (m_client)
        m_client->disconnect(this);
}

// Bytes received belong to the latest request before them; a link that
// went down without the host closing it was dropped by the controller.
// Read line by line: only the answers are kept.
bool ReplayController::load(const QString &path, QString *error, QString *warning)
{
    trace::Reader reader;
    if (!reader.open(path)) {
        *error = reader.error();
        return false;
    }
    int current = -1; // the greeting
    const auto add = [this, &current](const Step &step) { (current < 0 ? m_greeting : m_answers[current]) << step; };
    qint64 since_us = 0;
    bool host_closed = false;
    trace::Line line;
    while (reader.next(&line)) {
        switch (line.kind) {
        case trace::Line::Sent:
            m_answers_to[line.bytes] << m_answers.size();
            current = m_answers.size();
            m_answers << Answer();
            since_us = line.t_us;
            break;
        case trace::Line::Received:
            add(Step{line.t_us - since_us, line.bytes, false});
            break;
        case trace::Line::LinkEvent:
            if (line.event == QLatin1String("up"))
                since_us = line.t_us;
            else if (line.event == QLatin1String("close"))
                host_closed = true;
            else if (!host_closed)
                add(Step{line.t_us - since_us, QByteArray(), true});
            break;
        default:
            break;
        }
    }
    *error = reader.error();
    *warning = reader.warning();
    return error->isEmpty();
}

quint16 ReplayController::listen(quint16 port, const QHostAddress &address)
{
    if (!m_server) {
        m_server = new QTcpServer(this);
        connect(m_server, &QTcpServer::newConnection, this, &ReplayController::accept_client);
    }
    if (!m_server->listen(address, port)) {
        m_error = m_server->errorString();
        return 0;
    }
    return m_server->serverPort();
}

// One client at a time, as the controller has; a new one replaces the old.
void ReplayController::accept_client()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        if (m_client) {
            m_client->disconnect(this);
            m_client->abort();
            m_client->deleteLater();
        }
        m_client = socket;
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::readyRead, this, &ReplayController::read_client);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        m_cutter.clear();
        m_due.clear();
        qCDebug(lcSim) << "replay: client" << socket->peerAddress() << socket->peerPort();
        schedule(m_greeting);
    }
}

void ReplayController::read_client()
{
    while (m_client && m_client->bytesAvailable() > 0) {
        for (const QByteArray &frame : m_cutter.feed(m_client->readAll()))
            answer(frame);
    }
}

void ReplayController::answer(const QByteArray &request)
{
    qCDebug(lcSim) << "replay: <-" << request;
    const QList<int> answers = m_answers_to.value(request);
    if (answers.isEmpty()) {
        emit unexpected_request(request, QStringLiteral("not in the recording"));
        return;
    }
    const int asked = m_times_asked[request]++;
    if (asked < answers.size()) {
        schedule(m_answers.at(answers.at(asked)));
        return;
    }
    emit unexpected_request(request, QStringLiteral("asked %1 times, recorded %2: answered as the last time")
                                         .arg(asked + 1).arg(answers.size()));
    Answer again;
    for (const Step &step : m_answers.at(answers.last())) {
        if (!step.drop)
            again << step;
    }
    schedule(again);
}

void ReplayController::schedule(const Answer &answer)
{
    const qint64 now_us = m_clock.nsecsElapsed() / 1000;
    for (const Step &step : answer) {
        qint64 at_us = now_us + (m_fast ? 0 : step.delay_us);
        if (!m_due.isEmpty())
            at_us = qMax(at_us, m_due.last().at_us);
        m_due << Due{at_us, step};
    }
    if (!m_due.isEmpty() && !m_timer.isActive())
        m_timer.start(int(qMax<qint64>(0, m_due.first().at_us - now_us) / 1000));
}

void ReplayController::send_due()
{
    const qint64 now_us = m_clock.nsecsElapsed() / 1000;
    while (!m_due.isEmpty() && m_due.first().at_us <= now_us + 500) {
        const Step step = m_due.takeFirst().step;
        if (!m_client)
            continue;
        if (step.drop) {
            qCDebug(lcSim) << "replay: dropping the client, as the controller did";
            m_due.clear();
            m_client->disconnectFromHost();
            return;
        }
        qCDebug(lcSim) << "replay: ->" << step.bytes;
        m_client->write(step.bytes);
    }
    if (!m_due.isEmpty())
        m_timer.start(int(qMax<qint64>(0, m_due.first().at_us - now_us) / 1000));
}

} // namespace vx::sim

#pragma once

#include "receive_buffer.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtNetwork/QHostAddress>

class QTcpServer;
class QTcpSocket;

namespace vx::sim {

// vxsim --replay: the controller of a recorded trace, on TCP. Each request
// is answered with the bytes that followed the same request in the
// recording, the n-th time it comes with what followed its n-th time, at
// the recorded delays (at once when fast) and never out of the recorded
// order; the link is dropped where the controller dropped it. What the
// recording does not have is reported, not answered.
class ReplayController : public QObject
{
    Q_OBJECT

public:
    explicit ReplayController(bool fast, QObject *parent = nullptr);
    ~ReplayController() override;

    // Reads the trace; false with the error. A cut-off last line is left
    // out, with the warning that says so.
    bool load(const QString &path, QString *error, QString *warning);
    // The bound port (port 0 picks a free one), or 0 on failure.
    quint16 listen(quint16 port, const QHostAddress &address);
    QString error_string() const { return m_error; }

signals:
    // A request the recording has not, or not that many times (then the
    // last recorded answer is given again).
    void unexpected_request(const QByteArray &frame, const QString &what);

private:
    // Bytes to write, or the link to drop, some time after the request.
    struct Step
    {
        qint64 delay_us = 0;
        QByteArray bytes;
        bool drop = false;
    };
    using Answer = QList<Step>;

    void accept_client();
    void read_client();
    void answer(const QByteArray &request);
    void schedule(const Answer &answer);
    void send_due();

    const bool m_fast;
    Answer m_greeting; // what the controller said before the first request
    QList<Answer> m_answers;
    QHash<QByteArray, QList<int>> m_answers_to; // request → its answers, in recorded order
    QHash<QByteArray, int> m_times_asked;
    QTcpServer *m_server = nullptr;
    QPointer<QTcpSocket> m_client;
    ReceiveBuffer m_cutter;
    struct Due
    {
        qint64 at_us;
        Step step;
    };
    QList<Due> m_due;
    QTimer m_timer;
    QElapsedTimer m_clock;
    QString m_error;
};

} // namespace vx::sim

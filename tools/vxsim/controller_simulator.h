#pragma once

#include "controller_model.h"
#include "frame_sender.h"
#include "receive_buffer.h"
#include "simulator_options.h"

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtNetwork/QHostAddress>

class QTcpServer;
class QTcpSocket;

namespace vx::sim {

class PtyPort;

// A "437" controller on TCP (one client at a time, a new one replaces the
// old) and optionally on a pseudo-terminal. Replies and reports go to the
// link that sent the latest request.
class ControllerSimulator : public QObject
{
    Q_OBJECT

public:
    explicit ControllerSimulator(const SimulatorOptions &options = SimulatorOptions(),
                                 QObject *parent = nullptr);
    ~ControllerSimulator() override;

    // The bound port (port 0 picks a free one), or 0 on failure.
    quint16 listen(quint16 port, const QHostAddress &address = QHostAddress(QHostAddress::LocalHost));
    // The slave device path, or empty on failure.
    QString open_pty();
    QString error_string() const { return m_error; }

signals:
    void frame_received(const QByteArray &frame);
    void request_rejected(const QByteArray &frame, const QString &reason);
    void frame_sent(const QByteArray &frame);
    // Each write to a link, after the wire faults were applied.
    void bytes_written(const QByteArray &bytes);
    void client_connected();
    void client_disconnected();

private:
    enum class Link { None, Tcp, Pty };

    void accept_client();
    void read_client();
    void drop_client(QTcpSocket *socket);
    void receive(Link link, ReceiveBuffer *cutter, const QByteArray &bytes);
    void send_frame(const QByteArray &frame, bool is_progress);
    void write_to_link(const QByteArray &bytes);
    void count_finished_page();
    void close_client_when_sent();
    void close_client();

    const SimulatorOptions m_options;
    ControllerModel m_model;
    FrameSender m_sender;
    QTcpServer *m_server = nullptr;
    QPointer<QTcpSocket> m_client;
    // Pages can be large: a partial frame is kept up to max_frame_bytes.
    ReceiveBuffer m_tcp_cutter;
    PtyPort *m_pty = nullptr;
    ReceiveBuffer m_pty_cutter;
    Link m_reply_link = Link::None;
    int m_finished_pages = 0;
    bool m_silent = false; // --silent-after: nothing goes out any more
    bool m_close_when_sent = false;
    QString m_error;
};

} // namespace vx::sim

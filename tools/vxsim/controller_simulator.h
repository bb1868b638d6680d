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
    QString openPty();
    QString errorString() const { return m_error; }

signals:
    void frameReceived(const QByteArray &frame);
    void requestRejected(const QByteArray &frame, const QString &reason);
    void frameSent(const QByteArray &frame);
    // Each write to a link, after the wire faults were applied.
    void bytesWritten(const QByteArray &bytes);
    void clientConnected();
    void clientDisconnected();

private:
    enum class Link { None, Tcp, Pty };

    void acceptClient();
    void readClient();
    void dropClient(QTcpSocket *socket);
    void receive(Link link, ReceiveBuffer *cutter, const QByteArray &bytes);
    void sendFrame(const QByteArray &frame, bool isProgress);
    void writeToLink(const QByteArray &bytes);
    void countFinishedPage();
    void closeClientWhenSent();
    void closeClient();

    const SimulatorOptions m_options;
    ControllerModel m_model;
    FrameSender m_sender;
    QTcpServer *m_server = nullptr;
    QPointer<QTcpSocket> m_client;
    // Pages can be large: a partial frame is kept up to 64 MiB.
    ReceiveBuffer m_tcpCutter{64 << 20};
    PtyPort *m_pty = nullptr;
    ReceiveBuffer m_ptyCutter{64 << 20};
    Link m_replyLink = Link::None;
    int m_finishedPages = 0;
    bool m_closeWhenSent = false;
    QString m_error;
};

} // namespace vx::sim

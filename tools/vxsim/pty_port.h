#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QString>

class QSocketNotifier;

namespace vx::sim {

// The master side of a raw-mode pseudo-terminal. The slave end stays open
// here too, so the master never sees a hang-up while no client has it open.
class PtyPort : public QObject
{
    Q_OBJECT

public:
    explicit PtyPort(QObject *parent = nullptr);
    ~PtyPort() override;

    bool open();
    QString slavePath() const { return m_slavePath; }
    QString errorString() const { return m_error; }
    void write(const QByteArray &bytes);

signals:
    void received(const QByteArray &bytes);

private:
    void readAvailable();
    void writePending();

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_error;
    QByteArray m_pending;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
};

} // namespace vx::sim

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
    QString slave_path() const { return m_slave_path; }
    QString error_string() const { return m_error; }
    void write(const QByteArray &bytes);

signals:
    void received(const QByteArray &bytes);

private:
    void read_available();
    void write_pending();

    int m_master = -1;
    int m_slave = -1;
    QString m_slave_path;
    QString m_error;
    QByteArray m_pending;
    QSocketNotifier *m_read_notifier = nullptr;
    QSocketNotifier *m_write_notifier = nullptr;
};

} // namespace vx::sim

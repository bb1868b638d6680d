#include "pty_port.h"

#include "sim_log.h"

#include <QtCore/QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace vx::sim {

namespace {
// Unread output beyond this is dropped, oldest first.
constexpr int kMaxPendingBytes = 1 << 20;
} // namespace

PtyPort::PtyPort(QObject *parent) : QObject(parent) {}

PtyPort::~PtyPort()
{
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
}

bool PtyPort::open()
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    termios mode;
    ::tcgetattr(m_slave, &mode);
    ::cfmakeraw(&mode);
    ::tcsetattr(m_slave, TCSANOW, &mode);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slave_path = QString::fromLocal8Bit(name);

    m_read_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_read_notifier, &QSocketNotifier::activated, this, &PtyPort::read_available);
    m_write_notifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_write_notifier->setEnabled(false);
    connect(m_write_notifier, &QSocketNotifier::activated, this, &PtyPort::write_pending);
    qCDebug(lcSim) << "pty" << m_slave_path;
    return true;
}

void PtyPort::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return;
    m_pending += bytes;
    if (m_pending.size() > kMaxPendingBytes)
        m_pending.remove(0, m_pending.size() - kMaxPendingBytes);
    write_pending();
}

void PtyPort::read_available()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            emit received(QByteArray(buffer, int(n)));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            qCDebug(lcSim) << "pty read failed:" << std::strerror(errno);
            m_read_notifier->setEnabled(false);
        }
        return;
    }
}

void PtyPort::write_pending()
{
    while (!m_pending.isEmpty()) {
        const ssize_t n = ::write(m_master, m_pending.constData(), size_t(m_pending.size()));
        if (n > 0) {
            m_pending.remove(0, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            qCDebug(lcSim) << "pty write failed:" << std::strerror(errno);
            m_pending.clear();
        }
        break;
    }
    m_write_notifier->setEnabled(!m_pending.isEmpty());
}

} // namespace vx::sim

// USB transport. A tty (USB CDC/serial port, pseudo-terminal) goes through
// QSerialPort; any other character device or FIFO is driven directly with
// non-blocking POSIX I/O and socket notifiers. All status reports are
// queued so that callers never see a signal from inside usbConnect().
// A receiver may delete the transport from any of its signals: nothing is
// touched after an emission before checking that it still lives.
#include "usboperate.h"

#include <QtCore/QFile>
#include <QtCore/QLoggingCategory>
#include <QtCore/QPointer>
#include <QtCore/QSocketNotifier>
#include <QtSerialPort/QSerialPort>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

Q_LOGGING_CATEGORY(lcUsb, "vx.platform", QtInfoMsg)

constexpr qint32 kDefaultBaudRate = 115200;
constexpr int kReadChunk = 64 * 1024;
// Upper bound on what one read wake-up drains, so a fast device cannot
// starve the rest of the event loop.
constexpr int kMaxReadPerWakeup = 1024 * 1024;

int open_retrying(const QByteArray &path, int flags)
{
    int fd;
    do {
        fd = ::open(path.constData(), flags);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

void close_retrying(int fd)
{
    // Linux releases the descriptor even when close() reports EINTR, so
    // retrying could close someone else's descriptor.
    ::close(fd);
}

// poll() flags that show the device is gone or broken, without blocking.
short hangup_events(int fd)
{
    if (fd < 0)
        return 0;
    pollfd p{};
    p.fd = fd;
    p.events = POLLIN;
    int n;
    do {
        n = ::poll(&p, 1, 0);
    } while (n < 0 && errno == EINTR);
    return n > 0 ? short(p.revents & (POLLHUP | POLLERR | POLLNVAL)) : short(0);
}

// errno values by which drivers say the device was unplugged or the other
// side hung up, as opposed to a failed transfer.
bool is_gone_errno(int err)
{
    switch (err) {
    case ENODEV:
    case ENXIO:
    case EPIPE:
    case ESHUTDOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

UsbOperate::UsbOperate(QObject *parent)
    : QObject(parent)
{
}

UsbOperate::~UsbOperate()
{
    close_device();
}

void UsbOperate::usbConnect(QString path, ConnectionMode mode, bool flag)
{
    Q_UNUSED(flag)
    close_device();

    if (path.isEmpty()) {
        qCWarning(lcUsb) << "usb: no device path";
        report(Failed);
        return;
    }

    const QByteArray native = QFile::encodeName(path);
    const int fd = open_retrying(native, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno; // before the log stream, which may change it
        qCWarning(lcUsb) << "usb: cannot open" << path << ::strerror(err);
        report(Failed);
        return;
    }

    struct stat st {};
    if (::fstat(fd, &st) != 0 || !(S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode))) {
        qCWarning(lcUsb) << "usb:" << path << "is not a device";
        close_retrying(fd);
        report(Failed);
        return;
    }

    bool opened;
    if (mode != Raw && ::isatty(fd)) {
        // Our descriptor stays open until the port has its own, so the line
        // never sees a last close in between (with HUPCL that would drop
        // DTR and reset some boards).
        opened = open_serial(path);
        close_retrying(fd);
    } else {
        opened = open_raw(fd);
    }
    if (!opened) {
        report(Failed);
        return;
    }

    const quint64 session = m_session;
    QMetaObject::invokeMethod(this, [this, session] { announce(session); }, Qt::QueuedConnection);
}

void UsbOperate::send(QString data)
{
    if (m_failing || (m_fd < 0 && !m_serial))
        return;
    const QByteArray bytes = data.toUtf8();
    if (bytes.isEmpty())
        return;
    m_pending += bytes;
    // Before the open is announced the bytes wait, so writeData never
    // precedes statusChanged(1).
    if (m_announced)
        flush_pending();
}

bool UsbOperate::open_serial(const QString &path)
{
    auto *port = new QSerialPort(this);
    port->setPortName(path);
    port->setBaudRate(kDefaultBaudRate);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    if (!port->open(QIODevice::ReadWrite)) {
        qCWarning(lcUsb) << "usb: cannot open serial port" << path << port->errorString();
        delete port;
        return false;
    }
    m_serial = port;
    connect(port, &QSerialPort::readyRead, this, &UsbOperate::on_serial_ready_read);
    connect(port, &QSerialPort::bytesWritten, this, &UsbOperate::on_serial_bytes_written);
    connect(port, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { on_serial_error(int(error)); });
    qCDebug(lcUsb) << "usb: opened serial port" << path;
    return true;
}

bool UsbOperate::open_raw(int fd)
{
    if (::isatty(fd)) {
        // A tty driven directly still has to pass bytes unchanged.
        termios t {};
        if (::tcgetattr(fd, &t) == 0) {
            ::cfmakeraw(&t);
            t.c_cflag |= CLOCAL | CREAD;
            t.c_cc[VMIN] = 1;
            t.c_cc[VTIME] = 0;
            if (::tcsetattr(fd, TCSANOW, &t) != 0) {
                const int err = errno;
                qCDebug(lcUsb) << "usb: cannot set raw mode" << ::strerror(err);
            }
        }
    }
    m_fd = fd;
    // Reading starts once the open is announced; writing only while
    // output is pending.
    m_read_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    m_read_notifier->setEnabled(false);
    connect(m_read_notifier, &QSocketNotifier::activated, this, &UsbOperate::on_readable);
    m_write_notifier = new QSocketNotifier(fd, QSocketNotifier::Write, this);
    m_write_notifier->setEnabled(false);
    connect(m_write_notifier, &QSocketNotifier::activated, this, &UsbOperate::on_writable);
    qCDebug(lcUsb) << "usb: opened device descriptor" << fd;
    return true;
}

// Children that may be inside their own signal right now (this can be the
// destructor, run from a slot of theirs) are let go and deleted later.
static void release_later(QObject *child)
{
    child->setParent(nullptr);
    child->deleteLater();
}

bool UsbOperate::still_serving(const QPointer<UsbOperate> &self, quint64 session)
{
    return self && self->m_session == session && !self->m_failing;
}

void UsbOperate::close_device()
{
    ++m_session;
    m_announced = false;
    m_failing = false;
    m_pending.clear();
    m_handed = 0;

    // Notifiers and the port may be closed from inside their own signal,
    // so they are disabled now and deleted from the event loop.
    if (m_read_notifier) {
        m_read_notifier->setEnabled(false);
        release_later(m_read_notifier);
        m_read_notifier = nullptr;
    }
    if (m_write_notifier) {
        m_write_notifier->setEnabled(false);
        release_later(m_write_notifier);
        m_write_notifier = nullptr;
    }
    if (m_fd >= 0) {
        close_retrying(m_fd);
        m_fd = -1;
        qCDebug(lcUsb) << "usb: closed device";
    }
    if (m_serial) {
        disconnect(m_serial, nullptr, this, nullptr);
        m_serial->close();
        release_later(m_serial);
        m_serial = nullptr;
        qCDebug(lcUsb) << "usb: closed serial port";
    }
}

void UsbOperate::announce(quint64 session)
{
    if (session != m_session)
        return;
    m_announced = true;
    const QPointer<UsbOperate> self(this);
    emit statusChanged(Connected);
    // A slot may have deleted us or reconnected, or the device may already be failing.
    if (!still_serving(self, session))
        return;

    if (m_read_notifier)
        m_read_notifier->setEnabled(true);
    if (m_serial && m_serial->bytesAvailable() > 0) {
        on_serial_ready_read();
        if (!still_serving(self, session))
            return;
    }
    if (!m_pending.isEmpty())
        flush_pending();
}

// Queues a Disconnected/Failed report; the device is closed just before it
// is delivered, so a receiver may reconnect right away.
void UsbOperate::report(int status)
{
    const quint64 session = m_session;
    QMetaObject::invokeMethod(
        this,
        [this, session, status] {
            if (session != m_session)
                return;
            close_device();
            emit statusChanged(status);
        },
        Qt::QueuedConnection);
}

void UsbOperate::fail(int status)
{
    if (m_failing)
        return;
    m_failing = true;
    // Stop watching right away: a hung-up descriptor stays readable and
    // would otherwise wake the event loop over and over.
    if (m_read_notifier)
        m_read_notifier->setEnabled(false);
    if (m_write_notifier)
        m_write_notifier->setEnabled(false);
    qCDebug(lcUsb) << "usb: device" << (status == Disconnected ? "went away" : "failed");
    report(status);
}

void UsbOperate::fail_errno(int err)
{
    const bool gone = is_gone_errno(err) || (hangup_events(m_fd) & POLLHUP);
    qCDebug(lcUsb) << "usb: I/O error" << ::strerror(err);
    fail(gone ? Disconnected : Failed);
}

void UsbOperate::on_readable()
{
    if (m_fd < 0 || m_failing)
        return;
    const quint64 session = m_session;

    QByteArray data;
    bool eof = false;
    int err = 0;
    char chunk[kReadChunk];
    while (data.size() < kMaxReadPerWakeup) {
        const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
        if (n > 0) {
            data.append(chunk, int(n));
            continue;
        }
        if (n == 0)
            eof = true;
        else if (errno == EINTR)
            continue;
        else if (errno != EAGAIN && errno != EWOULDBLOCK)
            err = errno;
        break;
    }

    if (!data.isEmpty()) {
        const QPointer<UsbOperate> self(this);
        emit readData(data);
        if (!still_serving(self, session))
            return;
    }
    if (eof) {
        fail(Disconnected);
    } else if (err != 0) {
        fail_errno(err);
    } else if (data.isEmpty()) {
        // Woken without data: only a hang-up or error condition does that.
        const short ev = hangup_events(m_fd);
        if (ev & POLLHUP)
            fail(Disconnected);
        else if (ev & (POLLERR | POLLNVAL))
            fail(Failed);
    }
}

void UsbOperate::on_writable()
{
    flush_pending();
}

void UsbOperate::flush_pending()
{
    if (m_failing)
        return;

    if (m_serial) {
        // The port buffers internally; writeData follows its bytesWritten.
        const qint64 rest = m_pending.size() - m_handed;
        if (rest <= 0)
            return;
        const qint64 n = m_serial->write(m_pending.constData() + m_handed, rest);
        if (n < 0) {
            qCWarning(lcUsb) << "usb: write failed" << m_serial->errorString();
            fail(Failed);
            return;
        }
        m_handed += n;
        return;
    }

    if (m_fd < 0)
        return;
    const quint64 session = m_session;
    const QPointer<UsbOperate> self(this);
    while (!m_pending.isEmpty()) {
        const ssize_t n = ::write(m_fd, m_pending.constData(), size_t(m_pending.size()));
        if (n > 0) {
            const QByteArray written = m_pending.left(int(n));
            m_pending.remove(0, int(n));
            emit writeData(written);
            if (!still_serving(self, session))
                return;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            fail_errno(errno);
            return;
        }
        break;
    }
    if (m_write_notifier)
        m_write_notifier->setEnabled(!m_pending.isEmpty());
}

void UsbOperate::on_serial_ready_read()
{
    if (!m_serial || !m_announced || m_failing)
        return;
    const QByteArray data = m_serial->readAll();
    if (!data.isEmpty())
        emit readData(data);
}

void UsbOperate::on_serial_bytes_written(qint64 bytes)
{
    if (m_failing || bytes <= 0)
        return;
    const int n = int(qMin(bytes, m_handed));
    const QByteArray written = m_pending.left(n);
    m_pending.remove(0, n);
    m_handed -= n;
    emit writeData(written);
}

void UsbOperate::on_serial_error(int error)
{
    if (!m_serial || m_failing)
        return;
    int status;
    switch (QSerialPort::SerialPortError(error)) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:
    case QSerialPort::UnsupportedOperationError:
    case QSerialPort::NotOpenError:
        // Not about the device itself; the port keeps working.
        qCDebug(lcUsb) << "usb: serial port notice" << m_serial->errorString();
        m_serial->clearError();
        return;
    case QSerialPort::ResourceError:
    case QSerialPort::DeviceNotFoundError:
        status = Disconnected;
        break;
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        // A hung-up tty makes reads fail too; tell that apart from a
        // failed transfer by the hang-up flag.
        status = (hangup_events(int(m_serial->handle())) & POLLHUP) ? Disconnected : Failed;
        break;
    default:
        status = Failed;
        break;
    }
    qCDebug(lcUsb) << "usb: serial port error" << error << m_serial->errorString();

    // Hand over whatever arrived before the error.
    const quint64 session = m_session;
    const QPointer<UsbOperate> self(this);
    if (m_announced && m_serial->bytesAvailable() > 0) {
        on_serial_ready_read();
        if (!still_serving(self, session))
            return;
    }
    fail(status);
}

// UsbOperate against real pseudo-terminals, a FIFO and /dev/null. The test
// plays the device on the pty master, reading and writing it from the event
// loop so large transfers never stall on the kernel's pty buffer.
#include "event_wait.h"
#include "usboperate.h"

#include <QtCore/QSocketNotifier>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <functional>
#include <memory>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(UsbOperate::ConnectionMode)

namespace {

constexpr int kTimeoutMs = 10000;

// All byte values, including ones a cooked tty would eat or rewrite
// (CR, ^C, XON/XOFF, DEL), in an order that shows loss or reordering.
QByteArray pattern(int size)
{
    QByteArray out(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        out[i] = char((i * 7 + i / 256) % 256);
    return out;
}

bool slave_closed(int master)
{
    pollfd p{master, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & POLLHUP);
}

// The device end of a pty, raw and non-blocking.
struct PtyDevice {
    int master = -1;
    int slave = -1; // held only until the transport has opened the slave
    QString path;
    QByteArray received;
    QByteArray outgoing;
    std::unique_ptr<QSocketNotifier> reader, writer;

    bool open()
    {
        if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
            return false;
        termios t{};
        ::tcgetattr(master, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(master, TCSANOW, &t);
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        path = QString::fromLocal8Bit(::ttyname(slave));
        reader.reset(new QSocketNotifier(master, QSocketNotifier::Read));
        QObject::connect(reader.get(), &QSocketNotifier::activated, [this] {
            char buf[65536];
            ssize_t n;
            while ((n = ::read(master, buf, sizeof buf)) > 0)
                received.append(buf, int(n));
            if (n < 0 && errno == EIO) // no slave left
                reader->setEnabled(false);
        });
        writer.reset(new QSocketNotifier(master, QSocketNotifier::Write));
        QObject::connect(writer.get(), &QSocketNotifier::activated, [this] { write({}); });
        writer->setEnabled(false);
        return true;
    }
    void release_slave()
    {
        if (slave >= 0)
            ::close(slave);
        slave = -1;
    }
    void write(const QByteArray &bytes)
    {
        outgoing += bytes;
        ssize_t n;
        while (!outgoing.isEmpty() && (n = ::write(master, outgoing.constData(), size_t(outgoing.size()))) > 0)
            outgoing.remove(0, int(n));
        writer->setEnabled(!outgoing.isEmpty());
    }
    void hang_up()
    {
        reader.reset();
        writer.reset();
        if (master >= 0)
            ::close(master);
        master = -1;
    }
    ~PtyDevice()
    {
        hang_up();
        release_slave();
    }
};

// Records everything a transport reports.
struct Probe {
    QList<int> status;
    QByteArray read, written;
    explicit Probe(UsbOperate &usb)
    {
        QObject::connect(&usb, &UsbOperate::statusChanged, [this](int s) { status << s; });
        QObject::connect(&usb, &UsbOperate::readData, [this](const QByteArray &d) { read += d; });
        QObject::connect(&usb, &UsbOperate::writeData, [this](const QByteArray &d) {
            QVERIFY2(!status.isEmpty(), "writeData before the open was reported");
            written += d;
        });
    }
};

// Opens the pty's slave and waits for the (never synchronous) report.
bool connect_pty(UsbOperate &usb, Probe &probe, PtyDevice &dev, UsbOperate::ConnectionMode mode)
{
    const int before = probe.status.size();
    usb.usbConnect(dev.path, mode, false);
    dev.release_slave();
    if (probe.status.size() != before)
        return false;
    return wait_until([&] { return probe.status.size() > before; }, kTimeoutMs)
        && probe.status.last() == UsbOperate::Connected;
}

} // namespace

class tst_usb_transport : public QObject
{
    Q_OBJECT

private slots:
    void receives_in_order_data();
    void receives_in_order();
    void sends_utf8_in_order_data();
    void sends_utf8_in_order();
    void hang_up_disconnects_and_reopens_data();
    void hang_up_disconnects_and_reopens();
    void open_failure_reports_error_data();
    void open_failure_reports_error();
    void other_devices();
    void reconnect_closes_previous_device();
    void destroy_while_open_data();
    void destroy_while_open();
};

// Auto (what the driver passes) takes the serial-port path for a tty;
// Raw drives the same pty through a plain descriptor.
static void add_mode_rows(const std::function<void(const char *, UsbOperate::ConnectionMode)> &add)
{
    QTest::addColumn<UsbOperate::ConnectionMode>("mode");
    add("auto", UsbOperate::Auto);
    add("raw", UsbOperate::Raw);
}

void tst_usb_transport::receives_in_order_data()
{
    QTest::addColumn<QByteArray>("payload");
    add_mode_rows([](const char *m, UsbOperate::ConnectionMode mode) {
        QTest::addRow("%s small", m) << pattern(300) << mode;
        QTest::addRow("%s 256KiB", m) << pattern(256 * 1024) << mode;
    });
}

void tst_usb_transport::receives_in_order()
{
    QFETCH(UsbOperate::ConnectionMode, mode);
    QFETCH(QByteArray, payload);
    PtyDevice dev;
    QVERIFY(dev.open());
    UsbOperate usb(nullptr);
    Probe probe(usb);
    QVERIFY(connect_pty(usb, probe, dev, mode));

    dev.write(payload);
    VX_TRY_VERIFY_WITH_TIMEOUT(probe.read.size() >= payload.size(), kTimeoutMs);
    QVERIFY(probe.read == payload);
    QCOMPARE(probe.status, QList<int>{UsbOperate::Connected});
}

void tst_usb_transport::sends_utf8_in_order_data()
{
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("early"); // sent before the open is reported
    const QStringList cjk{QStringLiteral("G1 X10\r\n"), QStringLiteral("状态:就绪 ✓\n")};
    QStringList many;
    for (int i = 0; i < 64; ++i)
        many << QStringLiteral("%1:").arg(i, 3) + QString(4092, QLatin1Char('a' + i % 26));
    add_mode_rows([&](const char *m, UsbOperate::ConnectionMode mode) {
        QTest::addRow("%s non-ascii", m) << cjk << false << mode;
        QTest::addRow("%s 256KiB in 64 sends", m) << many << false << mode;
        QTest::addRow("%s before open reported", m) << cjk << true << mode;
    });
}

void tst_usb_transport::sends_utf8_in_order()
{
    QFETCH(UsbOperate::ConnectionMode, mode);
    QFETCH(QStringList, messages);
    QFETCH(bool, early);
    PtyDevice dev;
    QVERIFY(dev.open());
    UsbOperate usb(nullptr);
    Probe probe(usb);
    if (early)
        usb.usbConnect(dev.path, mode, false);
    else
        QVERIFY(connect_pty(usb, probe, dev, mode));

    QByteArray expected;
    for (const QString &m : messages) {
        usb.send(m);
        expected += m.toUtf8();
    }
    dev.release_slave();
    VX_TRY_VERIFY_WITH_TIMEOUT(dev.received.size() >= expected.size(), kTimeoutMs);
    QVERIFY(dev.received == expected);
    VX_TRY_VERIFY_WITH_TIMEOUT(probe.written == expected, kTimeoutMs);
    QCOMPARE(probe.status, QList<int>{UsbOperate::Connected});
}

// Writing: the device stops reading, a large write is left pending, and
// the host sends once more after the hang-up, so the library meets the
// failing write (EIO with POLLHUP) rather than the end of input.
void tst_usb_transport::hang_up_disconnects_and_reopens_data()
{
    QTest::addColumn<bool>("writing");
    add_mode_rows([](const char *m, UsbOperate::ConnectionMode mode) {
        QTest::newRow(m) << false << mode;
        QTest::newRow(qPrintable(QStringLiteral("%1, writing").arg(QLatin1String(m)))) << true << mode;
    });
}

void tst_usb_transport::hang_up_disconnects_and_reopens()
{
    QFETCH(UsbOperate::ConnectionMode, mode);
    QFETCH(bool, writing);
    auto dev = std::make_unique<PtyDevice>();
    QVERIFY(dev->open());
    UsbOperate usb(nullptr);
    Probe probe(usb);
    QVERIFY(connect_pty(usb, probe, *dev, mode));

    dev->write("bye\n");
    VX_TRY_COMPARE_WITH_TIMEOUT(probe.read, QByteArray("bye\n"), kTimeoutMs);
    const int large = 1 << 20;
    if (writing) {
        dev->reader->setEnabled(false);
        usb.send(QString(large, QLatin1Char('w')));
        // A few turns fill the pty and the rest waits. (The serial port
        // tells of a piece only once the pty takes more, so no report of
        // one can be awaited here.)
        run_events_for(10);
    }
    dev->hang_up();
    if (writing)
        usb.send(QStringLiteral("more"));
    VX_TRY_COMPARE_WITH_TIMEOUT(probe.status.size(), 2, kTimeoutMs);
    QCOMPARE(probe.status.last(), int(UsbOperate::Disconnected));

    QVERIFY(probe.written.size() < (writing ? large : 1));

    // Closed now: sending does nothing and nothing else is reported.
    const QByteArray written = probe.written;
    // A write or a report would be due within a turn or two.
    usb.send(QStringLiteral("ignored"));
    run_events_for(5);
    QCOMPARE(probe.written, written);
    QCOMPARE(probe.status.size(), 2);

    // The same object opens a new device.
    dev = std::make_unique<PtyDevice>();
    QVERIFY(dev->open());
    QVERIFY(connect_pty(usb, probe, *dev, mode));
    dev->write("again");
    usb.send(QStringLiteral("ok"));
    VX_TRY_COMPARE_WITH_TIMEOUT(probe.read, QByteArray("bye\nagain"), kTimeoutMs);
    VX_TRY_COMPARE_WITH_TIMEOUT(dev->received, QByteArray("ok"), kTimeoutMs);
    QCOMPARE(probe.written, written + "ok");
}

void tst_usb_transport::open_failure_reports_error_data()
{
    QTest::addColumn<QString>("name"); // inside a temporary directory, or absolute
    QTest::addColumn<QString>("reason"); // logged
    QTest::newRow("missing") << QStringLiteral("ttyACM9") << "No such file or directory";
    QTest::newRow("directory") << QString() << "Is a directory";
    QTest::newRow("regular file") << QStringLiteral("plain") << "is not a device";
    QTest::newRow("no permission") << QStringLiteral("/proc/sys/kernel/osrelease") << "Permission denied";
}

void tst_usb_transport::open_failure_reports_error()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("plain"))).open(QIODevice::WriteOnly);
    UsbOperate usb(nullptr);
    Probe probe(usb);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(reason)));
    usb.usbConnect(name.startsWith(QLatin1Char('/')) ? name : dir.path() + QLatin1Char('/') + name,
                   UsbOperate::Auto, false);
    QVERIFY(probe.status.isEmpty());
    VX_TRY_COMPARE_WITH_TIMEOUT(probe.status, QList<int>{UsbOperate::Failed}, kTimeoutMs);
    usb.send(QStringLiteral("ignored"));
    run_events_for(5);
    QVERIFY(probe.written.isEmpty());
    QCOMPARE(probe.status.size(), 1);
}

void tst_usb_transport::other_devices()
{
    // A FIFO is read through the plain descriptor path.
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("dev")));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    UsbOperate usb(nullptr);
    Probe probe(usb);
    usb.usbConnect(QFile::decodeName(fifo), UsbOperate::Auto, false);
    QVERIFY(probe.status.isEmpty());
    VX_TRY_COMPARE_WITH_TIMEOUT(probe.status, QList<int>{UsbOperate::Connected}, kTimeoutMs);
    const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
    QVERIFY(writer >= 0);
    const QByteArray payload = pattern(4000);
    QCOMPARE(::write(writer, payload.constData(), size_t(payload.size())), ssize_t(payload.size()));
    ::close(writer);
    VX_TRY_COMPARE_WITH_TIMEOUT(probe.read, payload, kTimeoutMs);

    // /dev/null reads end of file at once: open, then gone.
    usb.usbConnect(QStringLiteral("/dev/null"), UsbOperate::Auto, false);
    VX_TRY_COMPARE_WITH_TIMEOUT(probe.status.size(), 3, kTimeoutMs);
    QCOMPARE(probe.status, (QList<int>{1, 1, 0}));
    QCOMPARE(probe.read, payload);
}

void tst_usb_transport::reconnect_closes_previous_device()
{
    PtyDevice first, second;
    QVERIFY(first.open() && second.open());
    UsbOperate usb(nullptr);
    Probe probe(usb);
    QVERIFY(connect_pty(usb, probe, first, UsbOperate::Auto));

    // Two switches in a row: the old slave is closed at once and only the
    // last open is reported.
    usb.usbConnect(second.path, UsbOperate::Auto, false);
    QVERIFY(slave_closed(first.master));
    QVERIFY(connect_pty(usb, probe, second, UsbOperate::Auto));
    run_events_for(5); // a stale report is queued: due on the next turn
    QCOMPARE(probe.status, (QList<int>{1, 1}));

    second.write("fresh");
    usb.send(QStringLiteral("hi"));
    VX_TRY_COMPARE_WITH_TIMEOUT(probe.read, QByteArray("fresh"), kTimeoutMs);
    VX_TRY_COMPARE_WITH_TIMEOUT(second.received, QByteArray("hi"), kTimeoutMs);
    QVERIFY(first.received.isEmpty());
}

void tst_usb_transport::destroy_while_open_data()
{
    QTest::addColumn<QString>("when");
    add_mode_rows([](const char *m, UsbOperate::ConnectionMode mode) {
        for (const char *when : {"before open reported", "output pending", "from its open report",
                                 "from a read", "from a write"})
            QTest::addRow("%s, %s", m, when) << QString::fromLatin1(when) << mode;
    });
}

// Deleted by its owner, also from a slot of one of its own signals.
void tst_usb_transport::destroy_while_open()
{
    QFETCH(UsbOperate::ConnectionMode, mode);
    QFETCH(QString, when);
    PtyDevice dev;
    QVERIFY(dev.open());
    auto usb = std::make_unique<UsbOperate>(nullptr);
    Probe probe(*usb);
    const auto delete_from = [&usb](auto signal) {
        QObject::connect(usb.get(), signal, usb.get(), [&usb] { usb.reset(); });
    };
    if (when == QLatin1String("before open reported")) {
        usb->usbConnect(dev.path, mode, false);
        dev.release_slave();
        usb.reset();
    } else if (when == QLatin1String("output pending")) {
        QVERIFY(connect_pty(*usb, probe, dev, mode));
        // More than the pty holds; no event loop runs before the delete.
        usb->send(QString(512 * 1024, QLatin1Char('x')));
        usb.reset();
    } else if (when == QLatin1String("from its open report")) {
        delete_from(&UsbOperate::statusChanged);
        dev.write("early"); // waiting to be read right after the report
        usb->usbConnect(dev.path, mode, false);
        dev.release_slave();
    } else {
        QVERIFY(connect_pty(*usb, probe, dev, mode));
        if (when == QLatin1String("from a read")) {
            delete_from(&UsbOperate::readData);
            dev.write("data");
        } else {
            delete_from(&UsbOperate::writeData);
            usb->send(QStringLiteral("data"));
        }
    }
    VX_TRY_VERIFY_WITH_TIMEOUT(!usb, kTimeoutMs);
    QVERIFY(slave_closed(dev.master));
    run_events_for(5); // queued work and deferred deletes of the deleted object must not touch it
}

QTEST_GUILESS_MAIN(tst_usb_transport)
#include "tst_usb_transport.moc"

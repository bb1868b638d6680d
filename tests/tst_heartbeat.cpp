// The device timer of a "157" device on a loopback controller: heartbeat
// frames at the period, starting and stopping with the link, and link-loss
// detection on an advanced clock: only a controller that talked and then
// fell silent is lost. The timer runs on fiftieths of a second, the clock on
// whole seconds.
#include "event_wait.h"
#include "vxcommoninterface_p.h"
#include "loopback_peer.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QPointer>
#include <QtCore/QScopedPointer>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <limits>

namespace {

// One second of the "HEARTBEAT" period on the device timer, in milliseconds.
constexpr int kSecond = 20;

const QByteArray kHeartbeatFrame("\x02" "15;CCMD;1010;" "\x03");
const QString kTimeoutText = QStringLiteral("HEARTBEAT TIMEOUT 30S.");

int timeout_messages(const QSignalSpy &spy)
{
    int count = 0;
    for (const QList<QVariant> &args : spy) {
        if (args.at(0).toInt() == VXDeviceInterface::DevStatus && args.at(1).toString() == kTimeoutText)
            ++count;
    }
    return count;
}

// Warnings logged while a test runs, e.g. a timer started with a bad period.
QStringList g_warnings;
void record_warnings(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg)
        g_warnings << text;
}

} // namespace

class tst_heartbeat : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void heartbeat_at_the_period();
    void second_connect_restarts_the_timer();
    void link_events_stop_the_timer_data();
    void link_events_stop_the_timer();
    void usb_connect_report_starts_it_again();
    void unusable_periods_do_not_start_data();
    void unusable_periods_do_not_start();
    void silence_data();
    void silence();
    void host_deletes_the_device_on_timeout();
    void machine_never_starts_its_timer();

private:
    // A generic "157" device with the given heartbeat period, connected to the peer.
    bool connect_device(const QVariant &heartbeat);
    // The controller answers once, at the given second of the device's clock.
    bool hear_from_controller(int at);
    void set_clock_offset(qint64 seconds) { m_offset = seconds; }
    int status() const { return m_device->property_ptr("STATUS")->value().toInt(); }

    VXCommonInterface m_root;
    QScopedPointer<VXCommonInterface> m_device;
    VXCommonInterfacePrivate *driver() { return VXCommonInterfacePrivate::get(m_device.data()); }
    QScopedPointer<LoopbackPeer> m_peer;
    // The device's clock: a fixed moment a day ahead of creation, plus an offset.
    QDateTime m_base;
    qint64 m_offset = 0;
};

void tst_heartbeat::init()
{
    m_base = QDateTime::currentDateTime().addDays(1);
    m_offset = 0;
    m_peer.reset(new LoopbackPeer);
    m_device.reset(qobject_cast<VXCommonInterface *>(m_root.initInstance()));
    QVERIFY(m_device);
    driver()->set_clock([this] { return m_base.addSecs(m_offset); });
    driver()->set_heartbeat_second(kSecond);
}

void tst_heartbeat::cleanup()
{
    m_device.reset();
    m_peer.reset();
}

bool tst_heartbeat::connect_device(const QVariant &heartbeat)
{
    m_device->property_ptr("HEARTBEAT")->setValue(heartbeat);
    return m_peer->attach(m_device.data());
}

bool tst_heartbeat::hear_from_controller(int at)
{
    set_clock_offset(at);
    m_peer->reply("CCMD", "1010,0;");
    return wait_until([&] {
        return m_device->property_ptr("LAST_TIME")->value().toDateTime() == m_base.addSecs(at);
    }, 3000);
}

// The two timing checks run on a period of 5 s (100 ms): a busy machine
// may be late by a tenth of a second. A late tick does not move the ones
// after it, so the interval that follows is short: the ticks are held to
// the schedule from the connect instead, which they never run ahead of.
void tst_heartbeat::heartbeat_at_the_period()
{
    const int period = 5 * kSecond;
    QElapsedTimer clock;
    clock.start(); // before the timer starts: no tick can look early
    QVERIFY(connect_device(5));
    QList<qint64> arrivals;
    for (int i = 1; i <= 3; ++i) {
        QVERIFY(m_peer->wait_frames(i, 3000));
        arrivals << clock.elapsed();
    }
    QCOMPARE(m_peer->frames, QList<QByteArray>({kHeartbeatFrame, kHeartbeatFrame, kHeartbeatFrame}));
    for (int i = 0; i < arrivals.size(); ++i) {
        QVERIFY2(arrivals[i] >= (i + 1) * period * 8 / 10, qPrintable(QString::number(arrivals[i])));
        const qint64 interval = i > 0 ? arrivals[i] - arrivals[i - 1] : 0;
        QVERIFY2(interval <= 2 * period, qPrintable(QString::number(interval)));
    }
}

void tst_heartbeat::second_connect_restarts_the_timer()
{
    const int period = 5 * kSecond;
    QVERIFY(connect_device(5));
    QVERIFY(m_peer->wait_frames(1, 3000));
    run_events_for(period / 2);
    QElapsedTimer since_report;
    driver()->slot_tcp_socket_state(QAbstractSocket::ConnectedState);
    since_report.start();
    QVERIFY(m_peer->wait_frames(2, 3000));
    // Without the restart the next tick would come half a period after the report.
    QVERIFY2(since_report.elapsed() >= period * 85 / 100, qPrintable(QString::number(since_report.elapsed())));
}

void tst_heartbeat::link_events_stop_the_timer_data()
{
    QTest::addColumn<QString>("event");
    QTest::newRow("USB error report") << "usb error";
    QTest::newRow("USB disconnect report") << "usb disconnected";
    QTest::newRow("controller closes the TCP link") << "tcp closed";
    QTest::newRow("heartbeat switched off") << "switch off";
}

// The controller has talked: a running timer would find the link silent
// for an hour and say so.
void tst_heartbeat::link_events_stop_the_timer()
{
    QFETCH(QString, event);
    QVERIFY(connect_device(1));
    QVERIFY(m_peer->wait_frames(1, 3000));
    QVERIFY(hear_from_controller(0));

    if (event == QLatin1String("usb error"))
        driver()->slot_usb_status(2);
    else if (event == QLatin1String("usb disconnected"))
        driver()->slot_usb_status(0);
    else if (event == QLatin1String("tcp closed"))
        m_peer->drop();
    else
        driver()->heartbeat_switch(false);
    if (event == QLatin1String("tcp closed"))
        VX_TRY_COMPARE_WITH_TIMEOUT(status(), int(VXDeviceInterface::DisConnected), 3000);

    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    set_clock_offset(3600);
    run_events_for(kSecond * 3 / 2);
    QCOMPARE(timeout_messages(messages), 0);
}

void tst_heartbeat::usb_connect_report_starts_it_again()
{
    QVERIFY(connect_device(1));
    driver()->slot_usb_status(2);
    QCOMPARE(status(), int(VXDeviceInterface::Warning));
    driver()->slot_usb_status(1);
    QVERIFY(hear_from_controller(0));
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    set_clock_offset(3600);
    VX_TRY_VERIFY_WITH_TIMEOUT(timeout_messages(messages) > 0, 3000);
}

void tst_heartbeat::unusable_periods_do_not_start_data()
{
    QTest::addColumn<QVariant>("heartbeat");
    QTest::newRow("zero") << QVariant(0);
    QTest::newRow("milliseconds beyond a signed 32-bit count")
        << QVariant(std::numeric_limits<int>::max() / kSecond + 1);
    QTest::newRow("negative, read as unsigned") << QVariant(-1);
}

void tst_heartbeat::unusable_periods_do_not_start()
{
    QFETCH(QVariant, heartbeat);
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(record_warnings);
    const bool attached = connect_device(heartbeat);
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    set_clock_offset(3600);
    run_events_for(kSecond * 3 / 2);
    qInstallMessageHandler(previous);

    QVERIFY(attached);
    QCOMPARE(timeout_messages(messages), 0);
    QVERIFY(m_peer->frames.isEmpty());
    QCOMPARE(g_warnings, QStringList());
}

void tst_heartbeat::silence_data()
{
    QTest::addColumn<int>("dataAt"); // seconds after connecting; -1: nothing received
    QTest::addColumn<int>("reconnectAt"); // a second connect report; -1: none
    QTest::addColumn<int>("tickAt");
    QTest::addColumn<bool>("lost");

    QTest::newRow("just connected, device created long before") << -1 << -1 << 2 << false;
    QTest::newRow("never answers the poll, 31 s") << -1 << -1 << 31 << false;
    QTest::newRow("never answers the poll, an hour") << -1 << -1 << 3600 << false;
    QTest::newRow("data received, 30 s silent since") << 20 << -1 << 50 << false;
    QTest::newRow("data received, 31 s silent since") << 20 << -1 << 51 << true;
    QTest::newRow("data only before the link came up again") << 5 << 10 << 3600 << false;
}

void tst_heartbeat::silence()
{
    QFETCH(int, dataAt);
    QFETCH(int, reconnectAt);
    QFETCH(int, tickAt);
    QFETCH(bool, lost);

    QVERIFY(connect_device(3600)); // no tick of its own during the test
    QSignalSpy receive_time_told(m_device->property_ptr("LAST_TIME"), &VXDeviceProperty::valueChanged);
    if (dataAt >= 0)
        QVERIFY(hear_from_controller(dataAt));
    QCOMPARE(receive_time_told.count(), 0); // kept for the timer, not announced
    if (reconnectAt >= 0) {
        set_clock_offset(reconnectAt);
        driver()->slot_tcp_socket_state(QAbstractSocket::ConnectedState);
    }

    set_clock_offset(tickAt);
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    driver()->slot_device_timer();
    QCOMPARE(timeout_messages(messages), lost ? 1 : 0);
    QCOMPARE(status(), int(lost ? VXDeviceInterface::DisConnected : VXDeviceInterface::Working));
    if (!lost)
        QVERIFY(m_peer->wait_frames(1, 3000)); // the heartbeat of the tick went out
}

// The device is gone before the tick would send its heartbeat.
void tst_heartbeat::host_deletes_the_device_on_timeout()
{
    QVERIFY(connect_device(1));
    QVERIFY(hear_from_controller(0));
    const QPointer<VXCommonInterface> device(m_device.data());
    connect(device, &VXDeviceInterface::message, this, [this](VXDeviceInterface::VXDeviceMessage, const QString &text) {
        if (text == kTimeoutText)
            m_device.reset();
    });
    set_clock_offset(3600);
    VX_TRY_VERIFY_WITH_TIMEOUT(!device, 3000);
    run_events_for(kSecond * 12 / 10); // no tick of the deleted device's timer
}

void tst_heartbeat::machine_never_starts_its_timer()
{
    VXLT3050PROCam root;
    QScopedPointer<VXCommonInterface> machine(qobject_cast<VXCommonInterface *>(root.initInstance()));
    QVERIFY(machine);
    QVERIFY(!machine->property_ptr("HEARTBEAT"));
    QVERIFY(machine->property_ptr("LAST_TIME"));
    VXCommonInterfacePrivate::get(machine.data())->set_clock([this] { return m_base.addSecs(m_offset); });
    VXCommonInterfacePrivate::get(machine.data())->set_heartbeat_second(kSecond);
    QVERIFY(m_peer->attach(machine.data()));
    VXCommonInterfacePrivate::get(machine.data())->heartbeat_switch(true);

    QSignalSpy messages(machine.data(), &VXDeviceInterface::message);
    set_clock_offset(3600);
    run_events_for(kSecond * 3 / 2);
    QCOMPARE(timeout_messages(messages), 0);
    QVERIFY(!m_peer->frames.contains(kHeartbeatFrame));
}

QTEST_GUILESS_MAIN(tst_heartbeat)
#include "tst_heartbeat.moc"

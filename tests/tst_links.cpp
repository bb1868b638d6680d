// Connecting a machine instance over TCP (a loopback server) and over USB
// (a pseudo-terminal): status, connection mode and the host's messages.
#include "trace_format.h"
#include "vxcommoninterface_p.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"
#include "test_text.h"

#include <QtCore/QScopedPointer>
#include <QtNetwork/QLocalServer>
#include <QtNetwork/QLocalSocket>
#include <QtNetwork/QTcpServer>
#include <QtNetwork/QTcpSocket>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

struct Pty
{
    int master = -1;
    QString slave_path;
    Pty()
    {
        int slave = -1;
        char name[128] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
            return;
        termios raw;
        tcgetattr(master, &raw);
        cfmakeraw(&raw);
        tcsetattr(master, TCSANOW, &raw);
        ::close(slave); // the driver opens its own end by path
        slave_path = QString::fromLocal8Bit(name);
    }
    void hang_up()
    {
        if (master >= 0)
            ::close(master);
        master = -1;
    }
    ~Pty() { hang_up(); }
};

} // namespace

class tst_links : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void tcp_connect_and_peer_close();
    void tcp_refused();
    void tcp_reconnect_reuses_socket();
    void tcp_second_connect_while_pending_data();
    void tcp_second_connect_while_pending();
    void tcp_reopened_after_link_declared_lost();
    void tcp_destroyed_while_connected();
    void tcp_without_port_does_nothing();
    void usb_connect_and_hang_up_data();
    void usb_connect_and_hang_up();
    void usb_failed_open_can_be_retried_data();
    void usb_failed_open_can_be_retried();
    void usb_wins_over_tcp();
    void status_reports_data();
    void status_reports();
    void registered_link_kind();

private:
    VXDeviceInterface *status_holder() { return m_device.data(); }
    int status() { return m_device->property_ptr("STATUS")->value().toInt(); }
    // Points the device at a loopback server (not yet connecting).
    void aim_at(const QTcpServer &server)
    {
        m_device->property_ptr("TCP_PORT")->setValue(int(server.serverPort()));
        m_device->setIPAddress(QStringLiteral("127.0.0.1"));
    }
    QString mode() { return m_device->property_ptr("CONNECT_MODE")->value().toString(); }

    VXLT3050PROCam m_root;
    QScopedPointer<VXDeviceInterface> m_device;
};

void tst_links::init()
{
    m_device.reset(m_root.initInstance());
}

void tst_links::tcp_connect_and_peer_close()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    aim_at(server);
    QVERIFY(m_device->connectDevice());
    QTRY_COMPARE(message_texts(messages), QStringList{"TCP CONNECTED."});
    QCOMPARE(status(), int(VXDeviceInterface::Working));
    QCOMPARE(mode(), QStringLiteral("TCP"));
    QVERIFY(!m_device->connectDevice()); // already up
    const QTcpSocket *socket = m_device->findChild<QTcpSocket *>();
    QCOMPARE(socket->readBufferSize(), qint64(10240));
    // Read back from the system: both are set once the socket is open.
    QCOMPARE(const_cast<QTcpSocket *>(socket)->socketOption(QAbstractSocket::KeepAliveOption).toInt(), 1);
    QCOMPARE(const_cast<QTcpSocket *>(socket)->socketOption(QAbstractSocket::LowDelayOption).toInt(), 1);

    QTRY_VERIFY(server.hasPendingConnections());
    QTcpSocket *peer = server.nextPendingConnection();
    peer->close();
    QTRY_COMPARE(message_texts(messages), QStringList({"TCP CONNECTED.", "TCP DISCONNECTED."}));
    QCOMPARE(status(), int(VXDeviceInterface::DisConnected));
}

void tst_links::tcp_refused()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 closed_port = probe.serverPort();
    probe.close();

    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    m_device->property_ptr("TCP_PORT")->setValue(int(closed_port));
    m_device->setIPAddress(QStringLiteral("127.0.0.1"));
    QVERIFY(m_device->connectDevice());
    QTRY_COMPARE(message_texts(messages), QStringList{"TCP DISCONNECTED."});
    QCOMPARE(status(), int(VXDeviceInterface::DisConnected));
    QCOMPARE(mode(), QStringLiteral("TCP"));
}

void tst_links::tcp_reconnect_reuses_socket()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    aim_at(server);
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    for (int round = 0; round < 3; ++round) {
        QVERIFY(m_device->connectDevice());
        QTRY_COMPARE(status(), int(VXDeviceInterface::Working));
        QTRY_VERIFY(server.hasPendingConnections());
        server.nextPendingConnection()->close();
        QTRY_COMPARE(status(), int(VXDeviceInterface::DisConnected));
    }
    QCOMPARE(messages.count(), 6);
    QCOMPARE(m_device->findChildren<QTcpSocket *>().size(), 1);
}

// A host that asks again while the first attempt is under way is not told
// of a disconnection that never was, and the attempt is not started over.
void tst_links::tcp_second_connect_while_pending_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("connecting to an address") << "127.0.0.1";
    QTest::newRow("looking up a name") << "localhost";
}

void tst_links::tcp_second_connect_while_pending()
{
    QFETCH(QString, address);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    aim_at(server);
    m_device->setIPAddress(address);
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    QVERIFY(m_device->connectDevice());
    QVERIFY(m_device->connectDevice());
    QTRY_COMPARE(message_texts(messages), QStringList{"TCP CONNECTED."});
    QTRY_VERIFY(server.hasPendingConnections());
    server.nextPendingConnection();
    QTest::qWait(50);
    QCOMPARE(message_texts(messages), QStringList{"TCP CONNECTED."});
    QVERIFY(!server.hasPendingConnections());
}

void tst_links::tcp_reopened_after_link_declared_lost()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    aim_at(server);
    QVERIFY(m_device->connectDevice());
    QTRY_COMPARE(status(), int(VXDeviceInterface::Working));
    QTRY_VERIFY(server.hasPendingConnections());
    server.nextPendingConnection();

    // The link is declared lost (as a heartbeat timeout does) while the
    // socket still looks connected: connecting again must open a new link.
    m_device->property_ptr("STATUS")->setValue(int(VXDeviceInterface::DisConnected));
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    QVERIFY(m_device->connectDevice());
    QTRY_COMPARE(status(), int(VXDeviceInterface::Working));
    QTRY_VERIFY(server.hasPendingConnections());
    QCOMPARE(message_texts(messages), QStringList({"TCP DISCONNECTED.", "TCP CONNECTED."}));
}

void tst_links::tcp_destroyed_while_connected()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    aim_at(server);
    QVERIFY(m_device->connectDevice());
    QTRY_COMPARE(status(), int(VXDeviceInterface::Working));

    QStringList heard;
    connect(m_device.data(), &VXDeviceInterface::message, this,
            [&heard](VXDeviceInterface::VXDeviceMessage, const QString &text) { heard << text; });
    m_device.reset();
    QCOMPARE(heard, QStringList{"TCP DISCONNECTED."});
}

void tst_links::tcp_without_port_does_nothing()
{
    VXCommonInterface bare; // no catalogue: no "TCP_PORT", no "STATUS"
    QSignalSpy messages(&bare, &VXDeviceInterface::message);
    bare.setIPAddress(QStringLiteral("127.0.0.1"));
    QVERIFY(bare.connectDevice());
    QTest::qWait(50);
    QCOMPARE(messages.count(), 0);
}

// Writing: the machine has stopped reading a large frame when it goes away,
// and the host sends once more, into the failing write.
void tst_links::usb_connect_and_hang_up_data()
{
    QTest::addColumn<bool>("writing");
    QTest::newRow("idle") << false;
    QTest::newRow("writing") << true;
}

void tst_links::usb_connect_and_hang_up()
{
    QFETCH(bool, writing);
    Pty pty;
    QVERIFY(!pty.slave_path.isEmpty());
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    m_device->setUSBPath(pty.slave_path);
    QVERIFY(m_device->connectDevice());
    QTRY_COMPARE(message_texts(messages), QStringList{"USB CONNECTED."});
    QCOMPARE(status(), int(VXDeviceInterface::Working));
    QCOMPARE(mode(), QStringLiteral("USB"));

    if (writing)
        m_device->sendCMD(QByteArray(1 << 20, 'w'));
    pty.hang_up();
    if (writing)
        m_device->sendCMD(wire("<STX>12;CCMD;4;<ETX>"));
    QTRY_COMPARE(message_texts(messages), QStringList({"USB CONNECTED.", "USB DISCONNECTED."}));
    QCOMPARE(status(), int(VXDeviceInterface::DisConnected));
}

// A failed open leaves "USB ERROR." and the warning status, and the host
// can connect again, to a corrected path.
void tst_links::usb_failed_open_can_be_retried_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing") << "/nonexistent/usb-device";
    QTest::newRow("a directory") << "/";
    QTest::newRow("a regular file") << "/proc/version";
    QTest::newRow("no permission") << "/proc/sys/kernel/osrelease"; // refused even to root
}

void tst_links::usb_failed_open_can_be_retried()
{
    QFETCH(QString, path);
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    m_device->setUSBPath(path);
    QVERIFY(m_device->connectDevice());
    QTRY_COMPARE(message_texts(messages), QStringList{"USB ERROR."});
    QCOMPARE(status(), int(VXDeviceInterface::Warning));

    Pty pty;
    QVERIFY(!pty.slave_path.isEmpty());
    m_device->setUSBPath(pty.slave_path);
    QVERIFY(m_device->connectDevice());
    QTRY_COMPARE(message_texts(messages), QStringList({"USB ERROR.", "USB CONNECTED."}));
    QCOMPARE(status(), int(VXDeviceInterface::Working));
    QVERIFY(!m_device->connectDevice()); // up now: nothing to do
}

void tst_links::usb_wins_over_tcp()
{
    Pty pty;
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    aim_at(server);
    m_device->setUSBPath(pty.slave_path);
    QVERIFY(m_device->connectDevice());
    QTRY_COMPARE(mode(), QStringLiteral("USB"));
    QCOMPARE(status(), int(VXDeviceInterface::Working));
    QVERIFY(!server.hasPendingConnections());
}

// The driver's reaction to each status report, straight through its slots.
void tst_links::status_reports_data()
{
    QTest::addColumn<bool>("usb");
    QTest::addColumn<int>("report");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("text");

    QTest::newRow("usb connected") << true << 1 << 2 << "USB" << "USB CONNECTED.";
    QTest::newRow("usb error") << true << 2 << 4 << "USB" << "USB ERROR.";
    QTest::newRow("usb gone") << true << 0 << 0 << "USB" << "USB DISCONNECTED.";
    QTest::newRow("usb unknown report") << true << 3 << 5 << "USB" << "";
    QTest::newRow("tcp connected") << false << int(QAbstractSocket::ConnectedState) << 2 << "TCP" << "TCP CONNECTED.";
    QTest::newRow("tcp unconnected") << false << int(QAbstractSocket::UnconnectedState) << 0 << "TCP" << "TCP DISCONNECTED.";
    QTest::newRow("tcp connecting") << false << int(QAbstractSocket::ConnectingState) << 5 << "TCP" << "";
    QTest::newRow("tcp closing") << false << int(QAbstractSocket::ClosingState) << 5 << "TCP" << "";
}

void tst_links::status_reports()
{
    QFETCH(bool, usb);
    QFETCH(int, report);
    QFETCH(QString, text);
    auto *driver = VXCommonInterfacePrivate::get(static_cast<VXCommonInterface *>(m_device.data()));
    m_device->property_ptr("STATUS")->setValue(int(VXDeviceInterface::Error)); // a marker
    QSignalSpy messages(m_device.data(), &VXDeviceInterface::message);
    if (usb)
        driver->slot_usb_status(report);
    else
        driver->slot_tcp_socket_state(QAbstractSocket::SocketState(report));
    QTEST(status(), "status");
    QTEST(mode(), "mode");
    QCOMPARE(message_texts(messages), text.isEmpty() ? QStringList() : QStringList{text});
}

// The tests' own kind of link (local_socket_link.cpp): listed for hosts,
// given its address, connected, a frame each way, named by the trace.
void tst_links::registered_link_kind()
{
    QTemporaryDir folder;
    QLocalServer server;
    QVERIFY(server.listen(folder.filePath(QStringLiteral("controller"))));
    qputenv(vx::trace::kFolderVariable, QFile::encodeName(folder.path()));
    m_device.reset(m_root.initInstance());
    qunsetenv(vx::trace::kFolderVariable);
    auto *device = static_cast<VXCommonInterface *>(m_device.data());
    QStringList links;
    QVERIFY(QMetaObject::invokeMethod(device, "links", Q_RETURN_ARG(QStringList, links)));
    QCOMPARE(links, QStringList({"USB:PATH", "TCP:HOST", "LOCAL:SOCKET"}));
    QVERIFY(!device->setLinkAddress(QStringLiteral("SERIAL"), server.fullServerName()));
    QVERIFY(device->setLinkAddress(QStringLiteral("LOCAL"), server.fullServerName()));
    QSignalSpy messages(device, &VXDeviceInterface::message);
    QVERIFY(device->connectDevice());
    QTRY_COMPARE(message_texts(messages), QStringList{"LOCAL CONNECTED."});
    QCOMPARE(mode(), QStringLiteral("LOCAL"));
    QTRY_VERIFY(server.hasPendingConnections());
    QLocalSocket *peer = server.nextPendingConnection();
    const QByteArray request("\x02" "14;CMD;GET:51;\x03");
    device->sendCMD(request);
    QTRY_COMPARE(peer->bytesAvailable(), qint64(request.size()));
    QCOMPARE(peer->readAll(), request);
    peer->write("\x02" "20;CCMD;51,0,V3.4;\x03");
    QTRY_COMPARE(device->property_ptr("FIRMWARE")->value().toString(), QStringLiteral("V3.4"));

    m_device.reset(); // closes the trace
    const QStringList traces = QDir(folder.path()).entryList({QStringLiteral("*.jsonl")});
    QCOMPARE(traces.size(), 1);
    QFile trace(QDir(folder.path()).filePath(traces.first()));
    QVERIFY(trace.open(QIODevice::ReadOnly));
    const QByteArray header = trace.readLine();
    QCOMPARE(QJsonDocument::fromJson(header)["target"].toString(), "LOCAL " + server.fullServerName());
    const QByteArray lines = trace.readAll();
    QVERIFY(lines.contains("\"dir\":\"tx\",\"link\":\"LOCAL\""));
    QVERIFY(lines.contains("\"dir\":\"rx\",\"link\":\"LOCAL\""));
}

QTEST_GUILESS_MAIN(tst_links)
#include "tst_links.moc"

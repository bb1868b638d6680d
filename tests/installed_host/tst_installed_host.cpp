// A host with nothing but an installation: it loads the plugin file with
// QPluginLoader and opens a device's cloud channel to a WebSocket service
// on loopback, with a typed call through the installed driver header and
// by name through the meta-object system.
#include "morvocloud.h"
#include "vxcommoninterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QPluginLoader>
#include <QtCore/QScopedPointer>
#include <QtCore/QTemporaryDir>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>
#include <QtWebSockets/QWebSocket>
#include <QtWebSockets/QWebSocketServer>

class tst_installed_host : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cloud_channel_opens_data();
    void cloud_channel_opens();

private:
    QPluginLoader m_loader{QStringLiteral(VX_PLUGIN_FILE)};
    VXDeviceInterface *m_root = nullptr;
};

void tst_installed_host::initTestCase()
{
    QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
    m_root = qobject_cast<VXDeviceInterface *>(m_loader.instance());
    QVERIFY(m_root);
}

void tst_installed_host::cloud_channel_opens_data()
{
    QTest::addColumn<bool>("byName");
    QTest::newRow("typed call") << false;
    QTest::newRow("invoked by name") << true;
}

void tst_installed_host::cloud_channel_opens()
{
    QFETCH(bool, byName);
    QWebSocketServer service(QStringLiteral("cloud"), QWebSocketServer::NonSecureMode);
    QVERIFY(service.listen(QHostAddress::LocalHost));
    QStringList paths;
    QStringList heard;
    connect(&service, &QWebSocketServer::newConnection, this, [&] {
        QWebSocket *channel = service.nextPendingConnection();
        channel->setParent(&service);
        paths << channel->requestUrl().path();
        connect(channel, &QWebSocket::textMessageReceived, this, [&heard](const QString &text) { heard << text; });
        channel->sendTextMessage(QStringLiteral("status?"));
    });

    QTemporaryDir outbox;
    MorvoCloud cloud(QUrl(QStringLiteral("http://127.0.0.1:1/")), QUrl(service.serverUrl().toString() + '/'),
                     outbox.filePath(QStringLiteral("outbox.sqlite")));
    QScopedPointer<VXDeviceInterface> device(m_root->initInstance());
    QSignalSpy messages(device.data(), &VXDeviceInterface::message);
    device->setMorvoCloud(&cloud, QStringLiteral("AB1Z09"));
    if (byName) {
        QVERIFY(QMetaObject::invokeMethod(device.data(), "connect_websocket"));
    } else {
        auto *driver = qobject_cast<VXCommonInterface *>(device.data());
        QVERIFY(driver);
        driver->connect_websocket();
    }

    QTRY_COMPARE(paths, QStringList{"/AB1Z09/Device/"});
    QTRY_COMPARE(messages.count(), 1);
    QCOMPARE(messages.first().at(1).toString(), QStringLiteral("WEB SOCKET CONNECTED."));
    QTRY_COMPARE(heard.size(), 1); // the job status, asked for by the service
    const QJsonObject status = QJsonDocument::fromJson(heard.first().toUtf8()).object();
    QCOMPARE(status.value(QStringLiteral("sender")).toString(), QStringLiteral("Device"));
    const QJsonObject runtime = status.value(QStringLiteral("message")).toObject().value(QStringLiteral("Runtime")).toObject();
    QCOMPARE(runtime.value(QStringLiteral("Percent")),
             device->property_ptr("TASK")->value().toJsonObject().value(QStringLiteral("Percent")));
}

QTEST_GUILESS_MAIN(tst_installed_host)
#include "tst_installed_host.moc"

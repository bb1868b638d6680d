// The device's WebSocket channel to the cloud: its state reaches the host
// as status texts, and every new text from the cloud asks for the job status.
#include "device_cloud_p.h"

#include "morvocloud.h"
#include "property_keys_p.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCryptographicHash>
#include <QtWebSockets/QWebSocket>

// The cloud only asks for the job status on the channel: its texts are
// short, and a longer message closes the channel instead of filling memory.
constexpr quint64 kMaxIncomingBytes = 64 * 1024;

static QByteArray digest_of(const QString &text)
{
    return QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256);
}

// Closed now; the socket goes from the event loop, since the device may be
// deleted from a slot that one of its signals is running.
DeviceCloud::~DeviceCloud()
{
    if (m_websocket) {
        m_websocket->disconnect(this);
        m_websocket->deleteLater();
    }
}

// Connected once, when the socket is made: before any opening, so an error
// reported while opening is heard, and never twice.
void DeviceCloud::open_channel()
{
    if (!m_cloud)
        return;
    if (!m_websocket) {
        m_websocket = new QWebSocket(QString(), QWebSocketProtocol::Version13, nullptr);
        m_websocket->setMaxAllowedIncomingFrameSize(kMaxIncomingBytes);
        m_websocket->setMaxAllowedIncomingMessageSize(kMaxIncomingBytes);
        const auto tell = [this](const char *state) {
            emit m_device->message(VXDeviceInterface::DevStatus,
                                   QLatin1String(vx::message::WebSocket) + QLatin1String(state));
        };
        connect(m_websocket, &QWebSocket::connected, this, [tell] { tell(vx::message::Connected); });
        connect(m_websocket, &QWebSocket::disconnected, this, [this, tell] {
            m_waiting_job_status.clear(); // the next connection gets the status as it is then
            tell(vx::message::Disconnected);
        });
        // The error signal is named errorOccurred from Qt 6.5 (error() is a
        // getter too, hence the overload before it).
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
        const auto error_signal = &QWebSocket::errorOccurred;
#else
        const auto error_signal = QOverload<QAbstractSocket::SocketError>::of(&QWebSocket::error);
#endif
        connect(m_websocket, error_signal, this, [tell] { tell(vx::message::Error); });
        connect(m_websocket, &QWebSocket::textMessageReceived, this, &DeviceCloud::on_channel_text);
        connect(m_websocket, &QWebSocket::bytesWritten, this, &DeviceCloud::send_waiting_job_status);
    }
    const VXDeviceProperty *cloud = property(vx::key::DEVICE_CLOUD);
    if (!cloud)
        return;
    const QString code = cloud->value().toJsonObject().value(QStringLiteral("code")).toString();
    const QString address = QStringLiteral("%1%2/Device/").arg(m_cloud->ws(), code);
    m_websocket->open(QUrl(address, QUrl::TolerantMode));
}

void DeviceCloud::on_channel_text(const QString &message)
{
    // Before the first text, the last one counts as empty.
    if (m_last_channel_digest.isEmpty())
        m_last_channel_digest = digest_of(QString());
    const QByteArray digest = digest_of(message);
    if (digest == m_last_channel_digest)
        return;
    m_last_channel_digest = digest;
    send_job_status();
}

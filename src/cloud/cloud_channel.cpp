// The device's WebSocket channel to the cloud: its state reaches the host
// as status texts, and every new text from the cloud asks for the job status.
#include "vxcommoninterface.h"

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

void VXCommonInterface::connect_websocket()
{
    if (!m_cloud)
        return;
    if (!m_websocket) {
        m_websocket = new QWebSocket(QString(), QWebSocketProtocol::Version13, nullptr);
        m_websocket->setMaxAllowedIncomingFrameSize(kMaxIncomingBytes);
        m_websocket->setMaxAllowedIncomingMessageSize(kMaxIncomingBytes);
    }
    const VXDeviceProperty *cloud = property_ptr(vx::key::DEVICE_CLOUD);
    if (!cloud)
        return;

    // Connected before opening, so an error reported while opening is heard;
    // unique, so opening again does not double every message.
    connect(m_websocket, SIGNAL(connected()), this, SLOT(slot_websocket_connected()), Qt::UniqueConnection);
    connect(m_websocket, SIGNAL(disconnected()), this, SLOT(slot_websocket_disconnected()),
            Qt::UniqueConnection);
    connect(m_websocket, SIGNAL(error(QAbstractSocket::SocketError)), this,
            SLOT(slot_websocket_error(QAbstractSocket::SocketError)), Qt::UniqueConnection);
    connect(m_websocket, SIGNAL(textMessageReceived(QString)), this,
            SLOT(slot_websocket_text_received(QString)), Qt::UniqueConnection);
    connect(m_websocket, &QWebSocket::bytesWritten, this, &VXCommonInterface::send_waiting_job_status,
            Qt::UniqueConnection);

    const QString code = cloud->value().toJsonObject().value(QStringLiteral("code")).toString();
    const QString address = QStringLiteral("%1%2/Device/").arg(m_cloud->ws(), code);
    m_websocket->open(QUrl(address, QUrl::TolerantMode));
}

void VXCommonInterface::slot_websocket_connected()
{
    emit message(DevStatus, QString::fromLatin1(vx::message::WebSocket) + QLatin1String(vx::message::Connected));
}

void VXCommonInterface::slot_websocket_disconnected()
{
    m_waiting_job_status.clear(); // the next connection gets the status as it is then
    emit message(DevStatus, QString::fromLatin1(vx::message::WebSocket) + QLatin1String(vx::message::Disconnected));
}

void VXCommonInterface::slot_websocket_error(QAbstractSocket::SocketError)
{
    emit message(DevStatus, QString::fromLatin1(vx::message::WebSocket) + QLatin1String(vx::message::Error));
}

void VXCommonInterface::slot_websocket_text_received(const QString &message)
{
    // Before the first text, the last one counts as empty.
    if (m_last_channel_digest.isEmpty())
        m_last_channel_digest = digest_of(QString());
    const QByteArray digest = digest_of(message);
    if (digest == m_last_channel_digest)
        return;
    m_last_channel_digest = digest;
    device_task_to_cloud();
}

// The device's WebSocket channel to the cloud: its state reaches the host
// as status texts, and every new text from the cloud asks for the job status.
#include "vxcommoninterface.h"

#include "morvocloud.h"
#include "vxdeviceproperty.h"

#include <QtWebSockets/QWebSocket>

void VXCommonInterface::connect_websocket()
{
    if (!m_cloud)
        return;
    if (!m_websocket)
        m_websocket = new QWebSocket(QString(), QWebSocketProtocol::Version13, nullptr);
    const VXDeviceProperty *cloud = property_ptr("DEVICE_CLOUD");
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

    const QString code = cloud->value().toJsonObject().value(QStringLiteral("code")).toString();
    const QString address = QStringLiteral("%1%2/Device/").arg(m_cloud->ws(), code);
    m_websocket->open(QUrl(address, QUrl::TolerantMode));
}

void VXCommonInterface::slot_websocket_connected()
{
    emit message(DevStatus, QStringLiteral("WEB SOCKET CONNECTED."));
}

void VXCommonInterface::slot_websocket_disconnected()
{
    emit message(DevStatus, QStringLiteral("WEB SOCKET DISCONNECTED."));
}

void VXCommonInterface::slot_websocket_error(QAbstractSocket::SocketError)
{
    emit message(DevStatus, QStringLiteral("WEB SOCKET ERROR."));
}

void VXCommonInterface::slot_websocket_text_received(const QString &message)
{
    if (message == m_last_channel_text)
        return;
    m_last_channel_text = message;
    device_task_to_cloud();
}

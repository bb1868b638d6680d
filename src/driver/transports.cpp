// Opening the USB and TCP transports and turning their status reports into
// the device status and the host's link messages.
#include "vxcommoninterface.h"

#include "usboperate.h"
#include "vxdeviceproperty.h"
#include "vxlogging.h"

#include <QtNetwork/QTcpSocket>

namespace {
constexpr int kTcpReadBufferSize = 10240;
constexpr int kUsbConnectionMode = 2;
}

void VXCommonInterface::connect_usb(QString path)
{
    if (!m_usb) {
        m_usb = new UsbOperate(nullptr);
        connect(m_usb, SIGNAL(writeData(QByteArray)), this, SLOT(slot_usb_write(QByteArray)));
        connect(m_usb, SIGNAL(readData(QByteArray)), this, SLOT(slot_usb_read(QByteArray)));
        connect(m_usb, SIGNAL(statusChanged(int)), this, SLOT(slot_usb_status(int)));
    }
    m_usb->usbConnect(path, UsbOperate::ConnectionMode(kUsbConnectionMode), false);
}

void VXCommonInterface::connect_tcp(QString address)
{
    if (!m_tcp) {
        m_tcp = new QTcpSocket(this);
        m_tcp->setReadBufferSize(kTcpReadBufferSize);
        m_tcp->setSocketOption(QAbstractSocket::KeepAliveOption, true);
        connect(m_tcp, SIGNAL(readyRead()), this, SLOT(slot_tcp_socket_read()));
        connect(m_tcp, SIGNAL(stateChanged(QAbstractSocket::SocketState)), this,
                SLOT(slot_tcp_socket_state(QAbstractSocket::SocketState)));
    }
    const VXDeviceProperty *port = property_ptr("TCP_PORT");
    if (!port)
        return;
    switch (m_tcp->state()) {
    case QAbstractSocket::HostLookupState:
    case QAbstractSocket::ConnectingState:
        return; // an attempt is under way: let it tell how it ends
    case QAbstractSocket::UnconnectedState:
        break;
    default:
        // A link declared lost while the socket still looks connected (a
        // heartbeat timeout) is opened afresh rather than left as it is.
        m_tcp->abort();
        break;
    }
    m_tcp->connectToHost(address, quint16(port->value().toInt()), QIODevice::ReadWrite,
                         QAbstractSocket::AnyIPProtocol);
}

void VXCommonInterface::slot_usb_write(QByteArray) {}

void VXCommonInterface::slot_usb_status(int s)
{
    qCDebug(lcDriver) << "VXCommonInterface::slot_usb_status" << s;
    if (VXDeviceProperty *mode = property_ptr("CONNECT_MODE"))
        mode->setValue(QStringLiteral("USB"));
    if (!property_ptr("STATUS"))
        return;
    // The timer is switched before the message: a host may delete the
    // device from the slot that receives it.
    switch (s) {
    case UsbOperate::Connected:
        heartbeat_switch(true);
        set_link_status(Working, QStringLiteral("USB CONNECTED."));
        break;
    case UsbOperate::Failed:
        heartbeat_switch(false);
        set_link_status(Warning, QStringLiteral("USB ERROR."));
        break;
    case UsbOperate::Disconnected:
        heartbeat_switch(false);
        set_link_status(DisConnected, QStringLiteral("USB DISCONNECTED."));
        break;
    default:
        break;
    }
}

void VXCommonInterface::slot_tcp_socket_state(QAbstractSocket::SocketState s)
{
    if (VXDeviceProperty *mode = property_ptr("CONNECT_MODE"))
        mode->setValue(QStringLiteral("TCP"));
    if (!property_ptr("STATUS"))
        return;
    switch (s) {
    case QAbstractSocket::ConnectedState:
        // Qt only applies socket options to an open socket: keep-alive set
        // when the socket was made would be lost.
        if (m_tcp)
            m_tcp->setSocketOption(QAbstractSocket::KeepAliveOption, true);
        heartbeat_switch(true);
        set_link_status(Working, QStringLiteral("TCP CONNECTED."));
        break;
    case QAbstractSocket::UnconnectedState:
        heartbeat_switch(false);
        set_link_status(DisConnected, QStringLiteral("TCP DISCONNECTED."));
        break;
    default:
        break;
    }
}

bool VXCommonInterface::set_link_status(VXDeviceStatus status, const QString &text)
{
    VXDeviceProperty *property = property_ptr("STATUS");
    if (!property)
        return true;
    // Only a USB error report sets Warning, and the USB transport has
    // closed the device by then.
    m_usb_failed = status == Warning;
    property->setValue(int(status));
    return tell_host(DevStatus, text);
}

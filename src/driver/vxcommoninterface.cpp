#include "vxcommoninterface.h"

#include "language.h"
#include "property_store.h"
#include "usboperate.h"
#include "vxdeviceproperty.h"

#include <QtCore/QLocale>
#include <QtNetwork/QTcpSocket>
#include <QtWebSockets/QWebSocket>

VXCommonInterface::VXCommonInterface(QObject *parent)
    : VXDeviceInterface(parent)
{
    systemLanguage();
    connect(&m_device_timer, &QTimer::timeout, this, &VXCommonInterface::slot_device_timer);
}

// The host may be deleting the device from a slot that the TCP socket's or
// the channel's own signal is running: those are closed now but deleted
// from the event loop, once their signal has returned. The USB transport
// copes with being deleted from its own signals.
VXCommonInterface::~VXCommonInterface()
{
    delete m_usb;
    if (m_tcp) {
        // Closing a connected socket reports the unconnected state at once,
        // so the host hears "TCP DISCONNECTED." before the device is gone.
        m_tcp->close();
        m_tcp->disconnect(this);
        m_tcp->setParent(nullptr);
        m_tcp->deleteLater();
        m_tcp = nullptr;
    }
    if (m_websocket) {
        m_websocket->disconnect(this);
        m_websocket->deleteLater();
    }
    vx::delete_held_properties(this);
    m_receive_buffer.clear();
}

void VXCommonInterface::systemLanguage()
{
    m_language_code = vx::language_code_for(QLocale::system().name());
}

VXDeviceProperty *VXCommonInterface::property_ptr(const char *key)
{
    return vx::held_property(this, key);
}

void VXCommonInterface::setUSBPath(QString path)
{
    auto *property = new VXDeviceProperty(nullptr);
    property->init(path, tr("USB 地址"), QLatin1String(""), 0, 0, 0, UnCMD, QStringList());
    vx::replace_property(this, "USB", property);
}

void VXCommonInterface::setIPAddress(QString address)
{
    auto *property = new VXDeviceProperty(nullptr);
    property->init(address, tr("IP 地址"), QLatin1String(""), 0, 0, 0, UnCMD, QStringList());
    vx::replace_property(this, "TCP", property);
}

bool VXCommonInterface::tell_host(VXDeviceMessage kind, const QString &text)
{
    const QPointer<VXCommonInterface> alive(this);
    emit message(kind, text);
    return alive;
}

// An attempt starts from the disconnected state, or after a USB error: the
// USB transport closes the device when it reports one, so there is no link
// to keep and the host may try again (with a corrected path, say).
bool VXCommonInterface::may_connect()
{
    const VXDeviceProperty *status = property_ptr("STATUS");
    if (!status)
        return true;
    const int value = status->value().toInt();
    return value == DisConnected || (value == Warning && m_usb_failed);
}

// USB wins when both a path and an address are known. The outcome arrives
// in the status slots.
bool VXCommonInterface::connectDevice()
{
    if (!may_connect())
        return false;
    if (const VXDeviceProperty *usb = property_ptr("USB")) {
        connect_usb(usb->value().toString());
        return true;
    }
    if (const VXDeviceProperty *tcp = property_ptr("TCP")) {
        connect_tcp(tcp->value().toString());
        return true;
    }
    return false;
}

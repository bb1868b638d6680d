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

VXCommonInterface::~VXCommonInterface()
{
    delete m_usb;
    if (m_tcp) {
        // Closing a connected socket reports the unconnected state at once,
        // so the host hears "TCP DISCONNECTED." before the device is gone.
        m_tcp->close();
        delete m_tcp;
        m_tcp = nullptr;
    }
    delete m_websocket;
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

// Starts an attempt only from the disconnected state; USB wins when both a
// path and an address are known. The outcome arrives in the status slots.
bool VXCommonInterface::connectDevice()
{
    const VXDeviceProperty *status = property_ptr("STATUS");
    if (status && status->value().toInt() != DisConnected)
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

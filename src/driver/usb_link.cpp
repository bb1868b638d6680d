#include "usb_link_p.h"

#include "frame.h"
#include "usboperate.h"

UsbLink::~UsbLink()
{
    close();
}

Link::State UsbLink::state_of(int report)
{
    switch (report) {
    case UsbOperate::Connected: return Open;
    case UsbOperate::Failed: return Failed;
    case UsbOperate::Disconnected: return Closed;
    default: return Unchanged;
    }
}

void UsbLink::open(const QString &address, VXDeviceInterface &)
{
    if (!m_usb) {
        m_usb = new UsbOperate(nullptr);
        connect(m_usb, &UsbOperate::readData, this, &Link::received);
        connect(m_usb, &UsbOperate::statusChanged, this, [this](int report) { emit stateChanged(state_of(report)); });
    }
    m_usb->usbConnect(address, UsbOperate::Auto, false);
}

void UsbLink::write(const QByteArray &frame)
{
    if (m_usb)
        m_usb->send(vx::frame_text(frame));
}

// The USB library copes with being deleted from its own signals.
void UsbLink::close()
{
    delete m_usb;
    m_usb = nullptr;
}

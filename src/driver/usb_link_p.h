#pragma once

#include "link_p.h"

class UsbOperate;

// The controller's USB (or serial) device, through the USB library.
class UsbLink : public Link
{
    Q_OBJECT

public:
    using Link::Link;
    ~UsbLink() override;

    // The state a status report of the USB library stands for.
    static State state_of(int report);

    void open(const QString &address, VXDeviceInterface &device) override;
    void write(const QByteArray &frame) override;
    void close() override;

private:
    UsbOperate *m_usb = nullptr;
};

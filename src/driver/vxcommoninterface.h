#pragma once

#include "vxdeviceinterface.h"

#include <QtCore/QScopedPointer>

class VXCommonInterfacePrivate;
namespace vx {
namespace protocol {
struct Reply;
}
} // namespace vx

// The shared driver every machine derives from: the links to the
// controller, framing and reply dispatch, job control and cloud reporting.
//
// A host may delete the device from any slot of its message signal: every
// emission is the last thing its caller does, or is followed by a check
// that the device still exists.
class VX_EXPORT VXCommonInterface : public VXDeviceInterface
{
    Q_OBJECT

public:
    explicit VXCommonInterface(QObject *parent = nullptr);
    ~VXCommonInterface() override;

    VXDeviceInterface *initInstance() override;
    bool connectDevice() override;
    VXDeviceProperty *property_ptr(const char *key) override;
    QStringList userProperty() override;
    void sendCMD(QByteArray frame) override;
    void setMorvoCloud(MorvoCloud *cloud, QString code) override;
    void startTask() override;
    void stopTask() override;
    void move(int, int) override;
    void setUSBPath(QString path) override;
    void setIPAddress(QString address) override;
    // The links as "NAME:FORM" ("USB:PATH", "TCP:HOST"), in the order
    // connectDevice tries them, and the address of one; false for no such.
    Q_INVOKABLE QStringList links() const;
    Q_INVOKABLE bool setLinkAddress(const QString &link, const QString &address);

    // One reply frame, STX through ETX, as text.
    virtual void decode_cmd(QString frame);
    // Opens the device's cloud channel; hosts may also invoke it by name.
    Q_INVOKABLE void connect_websocket();

protected:
    // For the machines deriving from the driver. A reply, parsed once; a
    // machine with codes of its own handles those and hands the rest on.
    virtual void dispatch_reply(const vx::protocol::Reply &reply);
    // The property under the key, created as a local value when missing;
    // the label is a source text of this class, or null for none.
    VXDeviceProperty *ensure_property(const char *key, const QVariant &value, const char *label);
    // Emits message(); false when a slot deleted the device meanwhile, and
    // then the caller must return without touching the device.
    bool tell_host(VXDeviceMessage kind, const QString &text);
    // The job status to the cloud channel, when one is open.
    void device_task_to_cloud();

private:
    Q_DECLARE_PRIVATE(VXCommonInterface)
    QScopedPointer<VXCommonInterfacePrivate> d_ptr;
};

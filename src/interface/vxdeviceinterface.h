#pragma once

#include "vxdevicemessages.h"
#include "vxexport.h"

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QStringList>

class MorvoCloud;
class VXDeviceProperty;

// What a host programs against. Every device driver of the plugin is a
// subclass; a device object keeps each of its properties as a dynamic Qt
// property named by its key, holding the property's address as a void*.
class VX_EXPORT VXDeviceInterface : public QObject
{
    Q_OBJECT

public:
    enum VXDeviceStatus { DisConnected = 0, Idle = 1, Working = 2, Pause = 3, Warning = 4, Error = 5 };
    Q_ENUM(VXDeviceStatus)

    enum VXDeviceMessage { DevStatus = 0, DevTasK = 1, Qrcode = 2 };
    Q_ENUM(VXDeviceMessage)

    enum VXDeviceCMDType { UnCMD = 0, CCMD = 1, CMD = 2, NUM = 3, PLT = 4, PPLT = 5, QRPLT = 6 };
    Q_ENUM(VXDeviceCMDType)

    explicit VXDeviceInterface(QObject *parent = nullptr);
    ~VXDeviceInterface() override;

    // The order of these operations is the order of their virtual slots.
    virtual VXDeviceInterface *initInstance();
    virtual void setUSBPath(QString path);
    virtual void setIPAddress(QString address);
    virtual bool connectDevice();
    virtual VXDeviceProperty *property_ptr(const char *key);
    virtual QStringList userProperty();
    virtual QStringList sysProperty();
    virtual void sendCMD(QByteArray frame);
    virtual void setMorvoCloud(MorvoCloud *cloud, QString code);
    virtual void startTask();
    virtual void stopTask();
    virtual void move(int, int);
    virtual int icon();
    virtual void setPlt(QString plt);

    static QString buildDate();

signals:
    void message(VXDeviceInterface::VXDeviceMessage, QString);
};

Q_DECLARE_INTERFACE(VXDeviceInterface, "Tavro.morvo.vxdeviceinterface")

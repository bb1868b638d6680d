#pragma once

#include "vxdeviceinterface.h"

#include <QtCore/QByteArray>
#include <QtCore/QJsonObject>
#include <QtCore/QMutex>
#include <QtCore/QString>
#include <QtCore/QTimer>
#include <QtCore/QTranslator>
#include <QtNetwork/QAbstractSocket>

class MorvoCloud;
class QTcpSocket;
class QWebSocket;
class UsbOperate;

// The shared driver every machine derives from: the USB and TCP transports,
// the link status, and the property catalogues of the controller families.
class VXCommonInterface : public VXDeviceInterface
{
    Q_OBJECT

public:
    explicit VXCommonInterface(QObject *parent = nullptr);
    ~VXCommonInterface() override;

    void setUSBPath(QString path) override;
    void setIPAddress(QString address) override;
    bool connectDevice() override;
    VXDeviceProperty *property_ptr(const char *key) override;

    void connect_usb(QString path);
    void connect_tcp(QString address);
    void systemLanguage();

    // Controller "437" catalogue.
    void init437(VXDeviceInterface *device);
    void info_437(VXDeviceInterface *device);
    void camera_offset_437(VXDeviceInterface *device);
    void work_area_437(VXDeviceInterface *device);
    void scale_437(VXDeviceInterface *device);

public slots:
    void slot_usb_write(QByteArray data);
    void slot_usb_status(int s);
    void slot_tcp_socket_state(QAbstractSocket::SocketState s);

protected:
    QString language_code() const { return m_language_code; }
    QTranslator &translator() { return m_translator; }

private:
    void set_link_status(VXDeviceStatus status, const QString &text);

    UsbOperate *m_usb = nullptr;
    QTcpSocket *m_tcp = nullptr;
    QByteArray m_receive_buffer;
    QTimer m_device_timer;
    MorvoCloud *m_cloud = nullptr;
    QWebSocket *m_websocket = nullptr;
    QString last_task_reply;
    QString m_last_channel_text;
    QMutex m_send_lock;
    QTranslator m_translator;
    QJsonObject m_device_record;
    QString m_language_code;
};

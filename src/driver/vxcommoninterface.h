#pragma once

#include "vxdeviceinterface.h"

#include <QtCore/QByteArray>
#include <QtCore/QDateTime>
#include <QtCore/QJsonObject>
#include <QtCore/QMutex>
#include <QtCore/QPointer>
#include <QtCore/QString>
#include <QtCore/QTimer>
#include <QtCore/QTranslator>
#include <QtNetwork/QAbstractSocket>

#include <functional>
#include <memory>

class Link;
class MorvoCloud;
class QWebSocket;
namespace vx {
class ReceiveBuffer;
namespace protocol {
struct Reply;
}
} // namespace vx

// The shared driver every machine derives from: the USB and TCP transports,
// framing and reply dispatch, job control, cloud reporting, and the
// property catalogues of the controller families.
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
    void setUSBPath(QString path) override;
    void setIPAddress(QString address) override;
    bool connectDevice() override;
    VXDeviceProperty *property_ptr(const char *key) override;
    QStringList userProperty() override;
    void sendCMD(QByteArray frame) override;
    void setMorvoCloud(MorvoCloud *cloud, QString code) override;
    void startTask() override;
    void stopTask() override;
    void move(int, int) override;
    // The links as "NAME:FORM" ("USB:PATH", "TCP:HOST"), in the order
    // connectDevice tries them, and the address of one; false for no such.
    Q_INVOKABLE QStringList links() const;
    Q_INVOKABLE bool setLinkAddress(const QString &link, const QString &address);

    // One reply frame, STX through ETX, as text.
    virtual void decode_cmd(QString frame);

    // Transports.
    void systemLanguage();

    // Framing.
    void send_cmd(QByteArray frame);
    void decode_buffer();

    // Reply dispatch.
    void decode_cmd(QString field, QString &name, int &number, QString &value);
    void decode_task(QString field);

    // Cloud binding, job reports and the cloud channel.
    void cloud_device_get(QJsonObject body);
    void cloud_device_model_get(QJsonObject body);
    void cloud_device_new(QJsonObject body);
    void cloud_device_update(QJsonObject body);
    void device_info_to_cloud();
    void device_task_to_cloud();
    void device_task_record_to_cloud();
    void cloud_device_workrecord(QJsonObject body);
    // Opens the device's cloud channel; hosts may also invoke it by name.
    Q_INVOKABLE void connect_websocket();

    // Controller "437" catalogue.
    void init437(VXDeviceInterface *device);
    void info_437(VXDeviceInterface *device);
    void camera_offset_437(VXDeviceInterface *device);
    void work_area_437(VXDeviceInterface *device);
    void scale_437(VXDeviceInterface *device);

    // Controller "157" catalogue.
    void init157(VXDeviceInterface *device);
    void info_157(VXDeviceInterface *device);
    void camera_offset_157(VXDeviceInterface *device);
    void work_area_157(VXDeviceInterface *device);
    void scale_157(VXDeviceInterface *device);
    void feed_157(VXDeviceInterface *device);
    void tool_space_157(VXDeviceInterface *device);
    void sp1_157(VXDeviceInterface *device);
    void sp2_157(VXDeviceInterface *device);
    void move_157(VXDeviceInterface *device);

    // Heartbeat: stops the device timer and, when on, starts it again with
    // the "HEARTBEAT" period. Does nothing on a device without "HEARTBEAT".
    void heartbeat_switch(bool on);
    // The clock of receive times and of the link-loss check; an empty
    // function restores the system clock.
    void set_clock(std::function<QDateTime()> clock);
    // How long one second of the "HEARTBEAT" period lasts on the device
    // timer: 1000 ms, shorter in tests.
    void set_heartbeat_second(int milliseconds) { m_heartbeat_second_ms = milliseconds; }

    // Waits before a device lookup is retried when the cloud gave no answer.
    void set_lookup_retry_interval(int milliseconds) { m_lookup_retry_ms = milliseconds; }

public slots:
    void slot_usb_write(QByteArray data);
    void slot_usb_status(int s);
    void slot_tcp_socket_state(QAbstractSocket::SocketState s);
    void slot_usb_read(QByteArray data);
    void slot_tcp_socket_read();
    void slot_websocket_connected();
    void slot_websocket_disconnected();
    void slot_websocket_error(QAbstractSocket::SocketError error);
    void slot_websocket_text_received(const QString &message);
    void slot_device_timer();

protected:
    // A reply, parsed once; a machine with codes of its own handles those
    // and hands the rest on.
    virtual void dispatch_reply(const vx::protocol::Reply &reply);
    QString language_code() const { return m_language_code; }
    QTranslator &translator() { return m_translator; }
    // The property under the key, created as a local value when missing;
    // the label is a source text of this class, or null for none.
    VXDeviceProperty *ensure_property(const char *key, const QVariant &value, const char *label);
    // Emits message(); false when a slot deleted the device meanwhile, and
    // then the caller must return without touching the device.
    bool tell_host(VXDeviceMessage kind, const QString &text);

private:
    void add_links();
    Link *link_named(const QString &name) const;
    bool may_connect();
    void on_received(const QByteArray &data);
    void on_link_state(const Link &link, int state);
    bool set_link_status(VXDeviceStatus status, const QString &text);
    void route_reply(VXDeviceCMDType kind, int number, const QStringList &values);
    void store_device_record();
    void on_device_lookup(int http_status, const QByteArray &body);
    QDateTime now() const;
    void send_waiting_job_status();

    QList<Link *> m_links; // in the order connectDevice tries them
    std::unique_ptr<vx::ReceiveBuffer> m_receive_buffer;
    QTimer m_device_timer;
    QPointer<MorvoCloud> m_cloud; // the host's: it may be deleted first
    QWebSocket *m_websocket = nullptr;
    QString last_task_reply;
    // What the channel needs of the last text it received: a digest, to
    // tell a new request from a repeat.
    QByteArray m_last_channel_digest;
    // The newest job status, held while the channel's peer is slow to read.
    QByteArray m_waiting_job_status;
    QMutex m_send_lock;
    QTranslator m_translator;
    QJsonObject m_device_record;
    QString m_language_code;
    int m_lookup_retry_ms = 10000;
    QTimer *m_lookup_retry = nullptr;
    std::function<QDateTime()> m_clock;
    int m_heartbeat_second_ms = 1000;
    bool m_heard_since_timer_start = false; // a silent controller is not a lost one
    bool m_link_failed = false; // the last report was a failure, after which the link is closed
};

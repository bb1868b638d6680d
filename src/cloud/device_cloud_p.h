#pragma once

#include "vxdeviceinterface.h"

#include <QtCore/QJsonObject>
#include <QtCore/QPointer>
#include <QtNetwork/QAbstractSocket>

class QTimer;
class QWebSocket;
class VXDeviceProperty;

// A device's side of the host's cloud client: the device record and its
// registration, the job reports and the device's WebSocket channel. It
// reads the device's properties and speaks to the host through the
// device's message signal.
class DeviceCloud : public QObject
{
    Q_OBJECT

public:
    explicit DeviceCloud(VXDeviceInterface *device) : m_device(device) {}
    ~DeviceCloud() override;

    void bind(MorvoCloud *cloud, const QString &code);
    void open_channel();
    // The job status on the channel, when there is one.
    void send_job_status();
    // The work record of a stopped job that finished copies.
    void send_work_record();
    // Waits before a device lookup is retried when the cloud gave no answer.
    void set_lookup_retry_interval(int milliseconds) { m_lookup_retry_ms = milliseconds; }

private:
    VXDeviceProperty *property(const char *key) const;
    void store_device_record();
    void keep_id(const char *resource, const char *verb, const QJsonObject &body, const char *field);
    void look_up_device(const QJsonObject &body);
    void on_device_lookup(int http_status, const QByteArray &body);
    void on_channel_text(const QString &message);
    void send_waiting_job_status();

    VXDeviceInterface *const m_device;
    QPointer<MorvoCloud> m_cloud; // the host's: it may be deleted first
    QWebSocket *m_websocket = nullptr;
    // What the channel needs of the last text it received: a digest, to
    // tell a new request from a repeat.
    QByteArray m_last_channel_digest;
    // The newest job status, held while the channel's peer is slow to read.
    QByteArray m_waiting_job_status;
    QJsonObject m_device_record;
    int m_lookup_retry_ms = 10000;
    QTimer *m_lookup_retry = nullptr;
};

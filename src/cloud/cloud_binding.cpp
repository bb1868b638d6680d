// Binding a device to the host's cloud client: the device record, its
// mirror in "DEVICE_CLOUD", and registration (model lookup, device lookup,
// then update or creation).
#include "device_cloud_p.h"

#include "job_status_p.h"
#include "morvocloud.h"
#include "property_keys_p.h"
#include "property_store_p.h"
#include "vxdeviceproperty.h"

#include <QtCore/QJsonDocument>
#include <QtCore/QLoggingCategory>
#include <QtCore/QTimer>
#include <QtNetwork/QNetworkReply>

namespace key = vx::key;

Q_LOGGING_CATEGORY(lcCloud, "vx.cloud", QtInfoMsg)

namespace {

int http_status(QNetworkReply *reply)
{
    return reply ? reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
}

// The "id" of a reply body; 0 for a body that is not a JSON object or has none.
int id_in(const QByteArray &body)
{
    return QJsonDocument::fromJson(body).object().value(QStringLiteral("id")).toInt();
}

} // namespace

VXDeviceProperty *DeviceCloud::property(const char *key) const
{
    return vx::held_property(m_device, key);
}

void DeviceCloud::bind(MorvoCloud *cloud, const QString &code)
{
    m_cloud = cloud;
    const auto text_of = [this](const char *key) {
        const VXDeviceProperty *held = property(key);
        return held ? held->value().toString() : QString(QLatin1String(""));
    };
    m_device_record = QJsonObject{
        {QStringLiteral("code"), code},
        {QStringLiteral("pcb"), text_of(key::PCB_ID)},
        {QStringLiteral("version"), text_of(key::FIRMWARE)},
        {QStringLiteral("device_id"), text_of(key::DEVICE_ID)},
        {QStringLiteral("online"), true},
    };
    if (!property(key::DEVICE_CLOUD))
        return;
    store_device_record();

    const QJsonObject model{{QStringLiteral("code"), vx::model_number(code)}};
    keep_id("device_model", "PATCH", model, "device_model");
    qCDebug(lcCloud) << "DeviceCloud::bind" << model;
    const QJsonObject lookup{{QStringLiteral("code"), code}};
    qCDebug(lcCloud) << "DeviceCloud::bind" << lookup;
    look_up_device(lookup);
}

void DeviceCloud::store_device_record()
{
    if (VXDeviceProperty *mirror = property(key::DEVICE_CLOUD))
        mirror->setValue(m_device_record);
}

// Keeps the "id" of a 200 answer under the field of the device record (an
// unanswered request has no status). The handler holds this weakly: an
// answer that arrives after the device was destroyed is dropped.
void DeviceCloud::keep_id(const char *resource, const char *verb, const QJsonObject &body, const char *field)
{
    if (!m_cloud)
        return;
    const QPointer<DeviceCloud> self(this);
    m_cloud->customRequest(QLatin1String(resource), verb, body, [self, field](QNetworkReply *reply, bool) {
        if (!self || http_status(reply) != 200)
            return;
        self->m_device_record.insert(QLatin1String(field), id_in(reply->readAll()));
        self->store_device_record();
    });
}

void DeviceCloud::look_up_device(const QJsonObject &body)
{
    qCDebug(lcCloud) << "DeviceCloud::look_up_device" << body;
    if (!m_cloud)
        return;
    const QPointer<DeviceCloud> self(this);
    m_cloud->customRequest(QStringLiteral("device"), "GET", body, [self](QNetworkReply *reply, bool) {
        if (!self)
            return;
        const int status = http_status(reply);
        self->on_device_lookup(status, status == 200 ? reply->readAll() : QByteArray());
    });
}

void DeviceCloud::on_device_lookup(int status, const QByteArray &body)
{
    switch (status) {
    case 200:
        m_device_record.insert(QStringLiteral("id"), id_in(body));
        store_device_record();
        if (m_cloud)
            m_cloud->customRequest(QStringLiteral("device"), "PUT", m_device_record, MorvoCloud::Completion());
        break;
    case 404:
        keep_id("device_model", "POST", m_device_record, "id");
        break;
    case 0:
        // The service did not answer: look again later, on a timer of our
        // own rather than a nested event loop inside the host's thread.
        if (!m_lookup_retry) {
            m_lookup_retry = new QTimer(this);
            m_lookup_retry->setSingleShot(true);
            connect(m_lookup_retry, &QTimer::timeout, this, [this] {
                look_up_device(QJsonObject{
                    {QStringLiteral("code"), m_device_record.value(QStringLiteral("code")).toString()}});
            });
        }
        m_lookup_retry->start(m_lookup_retry_ms);
        break;
    }
}

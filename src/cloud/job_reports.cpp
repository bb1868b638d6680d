// What the cloud hears about jobs: the job status on the channel, and one
// work record per stopped job that finished copies.
#include "device_cloud_p.h"

#include "job_status_p.h"
#include "morvocloud.h"
#include "property_keys_p.h"
#include "task_record_p.h"
#include "vxdeviceproperty.h"

#include <QtCore/QDateTime>
#include <QtWebSockets/QWebSocket>

#include <utility>

namespace key = vx::key;

// Above this many unsent bytes the channel's peer is not keeping up.
constexpr qint64 kChannelBacklogBytes = 64 * 1024;

void DeviceCloud::send_job_status()
{
    const VXDeviceProperty *task = property(key::TASK);
    // Without a channel there is nobody to build the message for (its
    // preview image can be megabytes, and this runs on every report).
    if (!task || !m_websocket)
        return;
    const VXDeviceProperty *preview_property = property(key::FILE_PREVIEW);
    const QByteArray preview = preview_property ? preview_property->value().toByteArray() : QByteArray();
    const QByteArray message =
        vx::job_status_message(task->value().toJsonObject(), preview_property ? &preview : nullptr);
    // A peer that does not read gets one job status, the newest, when it
    // reads again; not one per report.
    if (m_websocket->bytesToWrite() > kChannelBacklogBytes) {
        m_waiting_job_status = message;
        return;
    }
    m_websocket->sendTextMessage(QString::fromUtf8(message));
}

void DeviceCloud::send_waiting_job_status()
{
    if (m_waiting_job_status.isEmpty() || !m_websocket || m_websocket->bytesToWrite() > kChannelBacklogBytes)
        return;
    m_websocket->sendTextMessage(QString::fromUtf8(std::exchange(m_waiting_job_status, QByteArray())));
}

void DeviceCloud::send_work_record()
{
    const bool registered = m_device_record.value(QStringLiteral("id")).toInt(-1) != -1;
    const VXDeviceProperty *task_property = property(key::TASK);
    const VXDeviceProperty *info_property = property(key::TASK_FILE_INFO);
    const VXDeviceProperty *start = property(key::TASK_START_TIME);
    if (!property(key::DEVICE_CLOUD) || !registered || !task_property || !info_property || !start)
        return;
    const vx::TaskRecord task(task_property->value().toJsonObject());
    const QJsonObject info = info_property->value().toJsonObject();
    const int path_length = info.value(QStringLiteral("path_length")).toInt();
    if (task.task_copies() == 0 || task.finished() == 0 || path_length == 0)
        return;

    const int height = info.value(QStringLiteral("heigth")).toInt();
    const int width = info.value(QStringLiteral("width")).toInt();
    const VXDeviceProperty *task_mode = property(key::TASK_MODE);
    const VXDeviceProperty *work_mode = property(key::WORK_MODE);
    const QJsonObject record{
        {QStringLiteral("end_time"),
         QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzzz"))},
        {QStringLiteral("task_time"),
         int(start->value().toDateTime().secsTo(QDateTime::currentDateTime()))},
        {QStringLiteral("softwareType"), 3},
        {QStringLiteral("task_copies"), task.task_copies()},
        {QStringLiteral("finish_copies"), task.finished()},
        {QStringLiteral("device"), m_device_record.value(QStringLiteral("id"))},
        // A 32-bit product, wrapping rather than overflowing.
        {QStringLiteral("page_area"), int(quint32(height) * quint32(width))},
        {QStringLiteral("page_size"), QStringLiteral("%1x%2").arg(height).arg(width)},
        {QStringLiteral("path_length"), path_length},
        {QStringLiteral("task_model"), task_mode ? task_mode->value().toInt() : 0},
        {QStringLiteral("work_model"), work_mode ? work_mode->value().toInt() : 0},
    };
    if (m_cloud)
        m_cloud->customRequest(QStringLiteral("device_work_records"), "POST", record, MorvoCloud::Completion());
}

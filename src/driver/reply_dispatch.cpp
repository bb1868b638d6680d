// Acting on what a reply means: progress reports become the task record,
// QR codes and host meanings go to the host, every other successful reply
// updates the first property registered for its command.
#include "vxcommoninterface_p.h"

#include "property_keys_p.h"
#include "reply_meaning.h"
#include "task_record_p.h"
#include "vxdeviceproperty.h"

#include <QtCore/QJsonObject>

#include <cmath>
#include <limits>

using namespace vx::protocol;

namespace {

// A percentage as a decimal, truncated toward zero; anything that is not
// a finite number in range reads as 0.
int truncated_percent(const QString &item)
{
    const double value = item.toDouble();
    if (!std::isfinite(value) || value >= double(std::numeric_limits<int>::max())
        || value <= double(std::numeric_limits<int>::min()))
        return 0;
    return int(value);
}

} // namespace

// The shared dispatcher alone, whatever the machine adds.
void VXCommonInterface::decode_cmd(QString frame)
{
    VXCommonInterface::dispatch_reply(parse_reply(frame));
}

// Job control answers and machine stops never update a property.
void VXCommonInterface::dispatch_reply(const Reply &reply)
{
    const MeaningRow *row = meaning_row(reply);
    switch (classify(reply)) {
    case Meaning::Progress: {
        Q_D(VXCommonInterface);
        if (reply.text == d->last_task_reply)
            return;
        d->last_task_reply = reply.text;
        d->decode_task(reply.body);
        return;
    }
    case Meaning::QrCode: emit message(Qrcode, reply.items.last()); return;
    case Meaning::Host: emit message(VXDeviceMessage(row->host_message), QString::fromUtf8(row->host_text)); return;
    case Meaning::Setting:
    case Meaning::PageDone:
    case Meaning::Heartbeat: break;
    default: return;
    }
    if (!reply.values().isEmpty())
        d_func()->route_reply(VXDeviceCMDType(reply.kind), reply.code, reply.values());
}

// The first property, in registration order, whose kind and command number
// match takes the values; a property with fixed parameters only takes a
// reply that echoes them and carries a value other than "0".
void VXCommonInterfacePrivate::route_reply(Device::VXDeviceCMDType kind, int number, const QStringList &values)
{
    const QList<QByteArray> keys = q_ptr->dynamicPropertyNames();
    for (const QByteArray &key : keys) {
        VXDeviceProperty *property = property_ptr(key.constData());
        if (!property)
            return;
        if (property->cmd_type() != kind
            || (number != property->get_cmd_int() && number != property->set_cmd_int()))
            continue;
        const QStringList params = property->param();
        if (!params.isEmpty()
            && (values.size() != params.size() + 1 || values.last() == QLatin1String("0")))
            return;
        property->set_decode(values);
        return;
    }
}

// The label is translated only when the property is made: the lookup
// walks every translator the application has, one per device.
VXDeviceProperty *VXCommonInterface::ensure_property(const char *key, const QVariant &value,
                                                     const char *label)
{
    if (VXDeviceProperty *existing = property_ptr(key))
        return existing;
    auto *property = new VXDeviceProperty(nullptr);
    property->init(value, label ? tr(label) : QString(), QLatin1String(""), 0, 0, 0, UnCMD,
                   QStringList());
    vx::attach_property(this, key, property);
    return property;
}

void VXCommonInterfacePrivate::decode_task(QString field)
{
    VXDeviceProperty *task = q_ptr->ensure_property(vx::key::TASK, QJsonObject(),
                                                    QT_TRANSLATE_NOOP("VXCommonInterface", "当前任务"));
    const QStringList items = field.split(QLatin1Char(','));
    if (items.size() < kProgressItems)
        return;

    task->setValue(vx::TaskRecord(task->value().toJsonObject())
                       .set_status(items.at(ProgressStatus).toInt())
                       .set_file_name(items.at(ProgressFileName))
                       .set_task_copies(items.at(ProgressTaskCopies).toInt())
                       .set_finished(items.at(ProgressFinished).toInt())
                       .set_percent(truncated_percent(items.at(ProgressPercent)))
                       .json());
    if (q_ptr->tell_host(Device::DevTasK, field))
        cloud.send_job_status();
}

void VXCommonInterface::device_task_to_cloud()
{
    d_func()->cloud.send_job_status();
}

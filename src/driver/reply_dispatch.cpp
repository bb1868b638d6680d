// Interpreting reply frames: progress reports become the task record,
// QR-code replies go to the host, every other successful reply updates the
// first property registered for its command.
#include "vxcommoninterface.h"

#include "property_store.h"
#include "task_record.h"
#include "vxdeviceproperty.h"

#include <QtCore/QJsonObject>

#include <cmath>
#include <limits>

namespace {

constexpr int kProgressReport = 66;
constexpr int kQrcodeReply = 11;
constexpr int kQrcodeFileReply = 55;
constexpr int kProgressItems = 9;

// Job control replies (pause, resume, stop) never update a property.
bool is_job_control(int number)
{
    return number == 27 || number == 125;
}

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

void VXCommonInterface::decode_cmd(QString frame)
{
    const QStringList parts = frame.split(QLatin1Char(';'));
    if (parts.size() < 3)
        return;

    VXDeviceCMDType kind = UnCMD;
    if (parts.at(1) == QLatin1String("CMD"))
        kind = CMD;
    else if (parts.at(1) == QLatin1String("CCMD"))
        kind = CCMD;

    int number = 0;
    QStringList values;
    if (kind == CMD) {
        for (int i = 2; i < parts.size() - 1; ++i) {
            QString name;
            QString value;
            int field_number = 0;
            decode_cmd(parts.at(i), name, field_number, value);
            if (i == 2)
                number = field_number;
            values << value;
        }
    } else if (kind == CCMD) {
        const QStringList items = parts.at(2).split(QLatin1Char(','));
        number = items.first().toInt();
        if (number == kProgressReport) {
            if (frame == last_task_reply)
                return;
            last_task_reply = frame;
            decode_task(parts.at(2));
            return;
        }
        if (number == kQrcodeReply || number == kQrcodeFileReply) {
            emit message(Qrcode, items.last());
            return;
        }
        if (items.size() < 2 || items.at(1).toInt() != 0)
            return;
        values = items.mid(2);
    }

    if (values.isEmpty() || is_job_control(number))
        return;
    route_reply(kind, number, values);
}

// The first property, in registration order, whose kind and command number
// match takes the values; a property with fixed parameters only takes a
// reply that echoes them and carries a value other than "0".
void VXCommonInterface::route_reply(VXDeviceCMDType kind, int number, const QStringList &values)
{
    const QList<QByteArray> keys = dynamicPropertyNames();
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

void VXCommonInterface::decode_cmd(QString field, QString &name, int &number, QString &value)
{
    const QByteArray bytes = field.toLatin1();
    const int colon = bytes.lastIndexOf(':');
    value = QString::fromUtf8(bytes.mid(colon + 1));

    int letters = 0;
    while (letters < bytes.size() && bytes.at(letters) >= 'A' && bytes.at(letters) <= 'Z')
        ++letters;
    name = QString::fromLatin1(bytes.left(letters));

    const int number_end = colon > letters ? colon : (colon < 0 ? bytes.size() : letters);
    bool ok = false;
    number = bytes.mid(letters, number_end - letters).toInt(&ok, 10);
    if (!ok)
        number = 0;
}

VXDeviceProperty *VXCommonInterface::ensure_property(const char *key, const QVariant &value,
                                                     const QString &label)
{
    if (VXDeviceProperty *existing = property_ptr(key))
        return existing;
    auto *property = new VXDeviceProperty(nullptr);
    property->init(value, label, QLatin1String(""), 0, 0, 0, UnCMD, QStringList());
    vx::attach_property(this, key, property);
    return property;
}

void VXCommonInterface::decode_task(QString field)
{
    VXDeviceProperty *task = ensure_property("TASK", QJsonObject(), tr("当前任务"));
    const QStringList items = field.split(QLatin1Char(','));
    if (items.size() < kProgressItems)
        return;

    task->setValue(vx::updated_record(task->value().toJsonObject(),
                                      {{QStringLiteral("Status"), items.at(1).toInt()},
                                       {QStringLiteral("FileName"), items.at(2)},
                                       {QStringLiteral("TaskCopies"), items.at(3).toInt()},
                                       {QStringLiteral("Finished"), items.at(4).toInt()},
                                       {QStringLiteral("Percent"), truncated_percent(items.at(5))}}));
    if (!tell_host(DevTasK, field))
        return;
    device_task_to_cloud();
}

// The shared driver's default job control: start, stop, jog, and the keys
// of the user settings page. Jobs are driven only through properties.
#include "vxcommoninterface_p.h"

#include "property_keys_p.h"
#include "task_record_p.h"
#include "vxdeviceproperty.h"

#include <QtCore/QDateTime>
#include <QtCore/QJsonObject>

namespace key = vx::key;

// Only the sign of a jog amount counts: 100 one way, bit 15 plus 100 the other.
static int jog_step_code(int amount)
{
    if (amount < 0)
        return 100;
    if (amount > 0)
        return 0x8064;
    return 0;
}

QStringList VXCommonInterface::userProperty()
{
    return {QStringLiteral("WORK_MODE"), QStringLiteral("SPEED"), QStringLiteral("PRESSURE"),
            QStringLiteral("CAMERA_OFFSET"), QStringLiteral("SP1"), QStringLiteral("SP2")};
}

void VXCommonInterface::startTask()
{
    // Sends the property's set frame; false when the device has none.
    const auto send_set = [this](const char *key) {
        const VXDeviceProperty *property = property_ptr(key);
        if (property)
            sendCMD(property->set_cmd_bytes());
        return property != nullptr;
    };
    const VXDeviceProperty *mode = property_ptr(key::TASK_MODE);
    const int job_mode = mode ? mode->value().toInt() : 0;
    if (job_mode == 0 && !(send_set(key::TASK_COPIES) && send_set(key::TASK_PLT)))
        return;
    if (job_mode == 1 && !send_set(key::QRCODE_COPIES))
        return;
    ensure_property(key::TASK_START_TIME, QDateTime::currentDateTime(), nullptr)
        ->setValue(QDateTime::currentDateTime());
}

// Reports the finished work first, while the record still describes the
// job, then resets the start time and the task record.
void VXCommonInterface::stopTask()
{
    d_func()->cloud.send_work_record();
    if (VXDeviceProperty *start = property_ptr(key::TASK_START_TIME))
        start->setValue(QDateTime());
    if (VXDeviceProperty *task = property_ptr(key::TASK)) {
        task->setValue(vx::TaskRecord(task->value().toJsonObject())
                           .set_status(0)
                           .set_file_name(QString())
                           .set_task_copies(0)
                           .set_finished(0)
                           .set_percent(100)
                           .json());
    }
}

void VXCommonInterface::move(int a, int b)
{
    if (VXDeviceProperty *y = property_ptr(key::MOVE_Y)) {
        y->setValue(jog_step_code(a));
        sendCMD(y->set_cmd_bytes());
    }
    if (VXDeviceProperty *x = property_ptr(key::MOVE_X)) {
        x->setValue(jog_step_code(b));
        sendCMD(x->set_cmd_bytes());
    }
}

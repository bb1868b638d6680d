// The shared driver's default job control: start, stop, jog, and the keys
// of the user settings page. Jobs are driven only through properties.
#include "vxcommoninterface.h"

#include "task_record.h"
#include "vxdeviceproperty.h"

#include <QtCore/QDateTime>
#include <QtCore/QJsonObject>

namespace {

// Only the sign of a jog amount counts: 100 one way, bit 15 plus 100 the other.
int jog_step_code(int amount)
{
    if (amount < 0)
        return 100;
    if (amount > 0)
        return 0x8064;
    return 0;
}

} // namespace

QStringList VXCommonInterface::userProperty()
{
    return {QStringLiteral("WORK_MODE"), QStringLiteral("SPEED"), QStringLiteral("PRESSURE"),
            QStringLiteral("CAMERA_OFFSET"), QStringLiteral("SP1"), QStringLiteral("SP2")};
}

void VXCommonInterface::startTask()
{
    const VXDeviceProperty *mode = property_ptr("TASK_MODE");
    const int job_mode = mode ? mode->value().toInt() : 0;
    if (job_mode == 0) {
        const VXDeviceProperty *copies = property_ptr("TASK_COPIES");
        if (!copies)
            return;
        sendCMD(copies->set_cmd_bytes());
        const VXDeviceProperty *plt = property_ptr("TASK_PLT");
        if (!plt)
            return;
        sendCMD(plt->set_cmd_bytes());
    } else if (job_mode == 1) {
        const VXDeviceProperty *copies = property_ptr("QRCODE_COPIES");
        if (!copies)
            return;
        sendCMD(copies->set_cmd_bytes());
    }
    ensure_property("TASK_START_TIME", QDateTime::currentDateTime(), QString())
        ->setValue(QDateTime::currentDateTime());
}

// Reports the finished work first, while the record still describes the
// job, then resets the start time and the task record.
void VXCommonInterface::stopTask()
{
    device_task_record_to_cloud();
    if (VXDeviceProperty *start = property_ptr("TASK_START_TIME"))
        start->setValue(QDateTime());
    if (VXDeviceProperty *task = property_ptr("TASK")) {
        task->setValue(vx::updated_record(task->value().toJsonObject(),
                                          {{QStringLiteral("Status"), 0},
                                           {QStringLiteral("FileName"), QString()},
                                           {QStringLiteral("TaskCopies"), 0},
                                           {QStringLiteral("Finished"), 0},
                                           {QStringLiteral("Percent"), 100}}));
    }
}

void VXCommonInterface::move(int a, int b)
{
    if (VXDeviceProperty *y = property_ptr("MOVE_Y")) {
        y->setValue(jog_step_code(a));
        sendCMD(y->set_cmd_bytes());
    }
    if (VXDeviceProperty *x = property_ptr("MOVE_X")) {
        x->setValue(jog_step_code(b));
        sendCMD(x->set_cmd_bytes());
    }
}

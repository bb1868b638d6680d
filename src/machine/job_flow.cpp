// The cutter's job flow: a plotter job goes out page by page, each page
// when the machine reports the previous one done; copies are counted and
// further copies (or QR codes) requested; pause and resume answers reach
// the host, and a stop ends the job.
#include "vxlt3050procam.h"

#include "property_keys_p.h"
#include "reply_meaning.h"
#include "task_record_p.h"
#include "vxdeviceproperty.h"

#include <QtCore/QDateTime>
#include <QtCore/QJsonObject>
#include <QtCore/QLoggingCategory>

#include <utility>

namespace key = vx::key;

Q_LOGGING_CATEGORY(lcMachine, "vx.machine", QtInfoMsg)

using namespace vx::protocol;
using vx::TaskRecord;

constexpr int kJogScale = 80;

VXDeviceProperty *VXLT3050PROCam::page_carrier()
{
    if (VXDeviceProperty *page = property_ptr(key::TASK_PPLT))
        return page;
    return property_ptr(key::TASK_PLT);
}

void VXLT3050PROCam::setPlt(QString plt)
{
    plt_pages.load(plt);
    page_index = 0;
    next_page = {};
    VXDeviceProperty *carrier = page_carrier();
    if (!carrier)
        return;
    // A job without pages leaves no page of an earlier job to be sent again.
    carrier->setValue(plt_pages.size() > 0 ? plt_pages.page(0) : QString());
}

void VXLT3050PROCam::startTask()
{
    job_stopped = false;
    const VXDeviceProperty *mode = property_ptr(key::TASK_MODE);
    if (!mode)
        return;
    if (const VXDeviceProperty *mark = property_ptr(key::SET_MARK))
        sendCMD(mark->set_cmd_bytes());

    if (mode->value().toInt() != 0) {
        const VXDeviceProperty *qrcode = property_ptr(key::GET_QRCODE);
        if (!qrcode)
            return;
        sendCMD(qrcode->get_cmd_bytes());
    } else {
        const VXDeviceProperty *page = property_ptr(key::TASK_PPLT);
        const VXDeviceProperty *status = property_ptr(key::DEVICE_STATUS);
        if (!page || !status)
            return;
        const QByteArray frame = page->set_cmd_bytes();
        qCDebug(lcMachine) << "VXLT3050PROCam::startTask" << frame;
        sendCMD(frame);
        if (plt_pages.size() == 1) // nothing else will ask for the end of the copy
            sendCMD(status->get_cmd_bytes());
        prepare_page(page_index + 1);
    }

    ensure_property(key::TASK_START_TIME, QDateTime::currentDateTime(), nullptr)
        ->setValue(QDateTime::currentDateTime());
    if (tell_host(DevTasK, QString()))
        device_task_to_cloud();
}

void VXLT3050PROCam::decode_cmd(QString frame)
{
    dispatch_reply(parse_reply(frame));
}

void VXLT3050PROCam::dispatch_reply(const Reply &reply)
{
    // A CCMD reply without a result is no reply at all.
    if (reply.complete && reply.kind == FrameKind::CCMD && (!reply.has_result() || handle_machine_reply(reply)))
        return;
    VXCommonInterface::dispatch_reply(reply);
}

// The machine's own job codes; false hands the reply to the base dispatcher.
bool VXLT3050PROCam::handle_machine_reply(const Reply &reply)
{
    switch (classify(reply)) {
    case Meaning::Progress:
        return job_stopped; // a late report: the stopped job's record stays as it was
    case Meaning::MachineStop:
        if (reply.result() == kDone)
            stop_job();
        else
            emit message(DevTasK, QLatin1String(vx::message::Stop));
        return true;
    case Meaning::PageDone:
        advance_task();
        return true;
    case Meaning::JobControl:
        break;
    default:
        return false;
    }
    if (reply.code != JobControl) // 125 is the CMD family's number, not this machine's
        return false;
    switch (JobAction(reply.item(2))) {
    case JobAction::Pause:
        emit message(DevTasK, QLatin1String(vx::message::Pause));
        break;
    case JobAction::Resume:
        emit message(DevTasK, QLatin1String(vx::message::Resume));
        break;
    case JobAction::Stop:
        stop_job();
        break;
    default:
        emit message(DevTasK, QString());
        break;
    }
    return true;
}

// A stop, asked for by the host (27,0,2) or pressed on the machine
// (1001,0), ends the job: the copy being cut is not counted, and nothing
// more is sent for the job, whatever the machine reports afterwards, until
// the next startTask. The host hears "STOP" once.
void VXLT3050PROCam::stop_job()
{
    if (job_stopped)
        return;
    job_stopped = true;
    next_page = {};
    if (VXDeviceProperty *task = property_ptr(key::TASK)) // the machine no longer cuts
        task->setValue(TaskRecord(task->value().toJsonObject()).set_status(0).json());
    if (tell_host(DevTasK, QLatin1String(vx::message::Stop)))
        device_task_to_cloud();
}

void VXLT3050PROCam::advance_task()
{
    if (job_stopped)
        return;
    ++page_index;
    if (page_index < plt_pages.size())
        send_next_page();
    else
        close_copy();
}

void VXLT3050PROCam::send_next_page()
{
    VXDeviceProperty *carrier = page_carrier();
    if (!carrier)
        return;
    if (next_page.index != page_index)
        prepare_page(page_index);
    // Taken before the host hears of the page: a host slot may load
    // another job, and the frame sent is the page it was told about.
    const PreparedPage page = std::exchange(next_page, {});
    carrier->setValue(page.text);
    sendCMD(page.frame);
    if (page_index == plt_pages.size() - 1) {
        if (const VXDeviceProperty *status = property_ptr(key::DEVICE_STATUS))
            sendCMD(status->get_cmd_bytes());
    }
    prepare_page(page_index + 1);
}

// The last page of a copy is done: the copy counts, and the next copy (or
// QR code) is asked for while copies remain.
void VXLT3050PROCam::close_copy()
{
    next_page = {};
    VXDeviceProperty *task = property_ptr(key::TASK);
    if (!task)
        return;
    TaskRecord record(task->value().toJsonObject());
    const int finished = record.finished();
    const int copies = record.task_copies();
    if (finished < copies) {
        record.set_finished(finished + 1);
        if (finished + 1 == copies) {
            task->setValue(record.set_percent(100).set_status(0).json());
        } else {
            task->setValue(record.json());
            const VXDeviceProperty *mode = property_ptr(key::TASK_MODE);
            if (!mode)
                return;
            const bool plotter_job = mode->value().toInt() == 0;
            const VXDeviceProperty *next = property_ptr(plotter_job ? key::TASK_REPEAT : key::GET_QRCODE);
            if (!next)
                return;
            sendCMD(plotter_job ? next->set_cmd_bytes() : next->get_cmd_bytes());
        }
    } else {
        task->setValue(record.set_status(0).set_percent(100).json());
    }
    if (tell_host(DevTasK, QString()))
        device_task_to_cloud();
}

// Made right after a page is sent, so the work overlaps the machine cutting
// it; past the last page nothing is kept.
void VXLT3050PROCam::prepare_page(int index)
{
    next_page = {};
    const VXDeviceProperty *carrier = page_carrier();
    if (!carrier || index < 0 || index >= plt_pages.size())
        return;
    next_page.index = index;
    next_page.text = plt_pages.page(index);
    next_page.frame = carrier->set_cmd_bytes(next_page.text);
}

void VXLT3050PROCam::move(int a, int b)
{
    VXDeviceProperty *jog = property_ptr(key::MOVE);
    if (!jog)
        return;
    // Computed in 64 bits: any int amount gives its exact multiple.
    jog->setValue(QStringLiteral("0,0,%1,%2").arg(qint64(a) * kJogScale).arg(qint64(b) * kJogScale));
    sendCMD(jog->set_cmd_bytes());
}

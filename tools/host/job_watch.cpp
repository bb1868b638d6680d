#include "job_watch.h"

#include "device_session.h"
#include "job_progress.h"
#include "job_report.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QSignalBlocker>
#include <QtCore/QTimer>

#include <limits>
#include <utility>

QString job_outcome_name(JobOutcome outcome)
{
    switch (outcome) {
    case JobOutcome::Finished: return QStringLiteral("finished");
    case JobOutcome::LinkLost: return QStringLiteral("link_lost");
    case JobOutcome::MachineStop: return QStringLiteral("machine_stop");
    case JobOutcome::UserStop: return QStringLiteral("stopped");
    case JobOutcome::Silent: return QStringLiteral("silent");
    case JobOutcome::StopUnconfirmed: return QStringLiteral("stop_unconfirmed");
    case JobOutcome::Running: break;
    }
    return QStringLiteral("running");
}

namespace {

void write_action(VXDeviceInterface *device, const char *key, const QVariant &value)
{
    if (VXDeviceProperty *property = device->property_ptr(key)) {
        property->setValue(value);
        device->sendCMD(property->set_cmd_bytes());
    }
}

// A page goes out by being set as the carrier's value, which notifies
// only when it differs from both the current and the previous value;
// identical pages (a sheet of the same labels) would go unseen. Once a
// page has been sent, two placeholders in a row make sure the next one
// is noticed whatever its text, and let go of the page sent.
void arm_page_counter(VXDeviceProperty *page)
{
    QSignalBlocker quiet(page);
    page->setValue(QStringLiteral("\x01sent"));
    page->setValue(QStringLiteral("\x01waiting"));
}

} // namespace

JobWatch::JobWatch(DeviceSession &session, JobReport &output, JobProgress &progress, int silence_ms, int answer_ms)
    : m_session(session), m_output(output), m_progress(progress),
      m_carrier(session.device()->property_ptr("TASK_PPLT")), m_silence_ms(silence_ms), m_answer_ms(answer_ms)
{
    VXDeviceInterface *device = session.device();
    connect(device, &VXDeviceInterface::message, this,
            [this](VXDeviceInterface::VXDeviceMessage kind, const QString &text) { on_message(kind, text); });
    if (m_carrier) {
        connect(m_carrier, &VXDeviceProperty::valueChanged, this, [this] {
            if (m_loading || m_outcome != JobOutcome::Running)
                return;
            m_progress.page_sent();
            // Later, once the page has been written out.
            QTimer::singleShot(0, this, [this] { arm_page_counter(m_carrier); });
            show();
        });
    }
}

JobOutcome JobWatch::run(const std::function<void()> &start, int copies)
{
    if (m_outcome != JobOutcome::Running && m_outcome != JobOutcome::Finished)
        return m_outcome;
    // A part that finished while its stop was awaited: the rest stays uncut.
    if (m_stopping)
        return m_outcome = m_silent ? JobOutcome::Silent : JobOutcome::UserStop;
    m_outcome = JobOutcome::Running;
    m_copies = copies;
    m_copies_seen = 0;
    m_reported = false;
    m_activity.start();
    start();
    if (m_carrier)
        arm_page_counter(m_carrier);
    show();
    wait_for([this] {
        if (m_outcome == JobOutcome::Running && !m_session.link_lost().isEmpty())
            m_outcome = JobOutcome::LinkLost;
        if (m_outcome == JobOutcome::Running && !heard_lately()) {
            // A silent machine may still be cutting: it is asked to stop
            // before the job is given up.
            m_silent = true;
            stop();
        }
        return m_outcome != JobOutcome::Running;
    }, std::numeric_limits<int>::max());
    return m_outcome;
}

void JobWatch::load(QString text)
{
    m_loading = true;
    m_session.device()->setPlt(std::exchange(text, QString()));
    m_loading = false;
}

void JobWatch::page_went_out()
{
    if (m_carrier)
        arm_page_counter(m_carrier);
}

QJsonObject JobWatch::record() const
{
    const VXDeviceProperty *task = m_session.device()->property_ptr("TASK");
    return task ? task->value().toJsonObject() : QJsonObject();
}

// The plugin notes the time of every read in LAST_TIME, quietly.
bool JobWatch::heard_lately()
{
    if (const VXDeviceProperty *last = m_session.device()->property_ptr("LAST_TIME")) {
        const QVariant heard = last->value();
        if (heard != m_last_heard) {
            m_last_heard = heard;
            m_activity.restart();
        }
    }
    if (m_paused || m_stopping)
        m_activity.restart();
    return m_activity.elapsed() <= m_silence_ms;
}

void JobWatch::on_message(int kind, const QString &text)
{
    m_activity.restart();
    if (m_outcome != JobOutcome::Running)
        return;
    if (kind == VXDeviceInterface::Qrcode) {
        if (on_qr_code)
            on_qr_code(text);
        return;
    }
    if (kind != VXDeviceInterface::DevTasK)
        return;
    if (text == QLatin1String(vx::message::Stop)) {
        // Before any report of this machine job the record is the one
        // reset for it, which the machine never reported.
        if (m_reported || m_copies_seen > 0)
            m_reported_record = record();
        if (!m_stopping)
            m_outcome = JobOutcome::MachineStop;
        else
            m_outcome = m_silent ? JobOutcome::Silent : JobOutcome::UserStop;
        return;
    }
    if (text == QLatin1String(vx::message::Pause) || text == QLatin1String(vx::message::Resume)) {
        m_paused = text == QLatin1String(vx::message::Pause);
        m_output.event(m_paused ? QStringLiteral("paused") : QStringLiteral("resumed"), {},
                       m_paused ? QStringLiteral("paused (r resumes)") : QStringLiteral("resumed"));
        return;
    }
    // A progress report of the machine, or a copy closed by the plugin (or
    // the start of a job, which reports nothing).
    const int copies_seen = m_copies_seen;
    m_reported = m_reported || !text.isEmpty();
    sync_with_record();
    if (!text.isEmpty() || m_copies_seen > copies_seen)
        m_reported_record = record();
}

// The record counts the copies the machine closed and carries its
// last progress report.
void JobWatch::sync_with_record()
{
    const QJsonObject task = record();
    const int finished = task.value(QStringLiteral("Finished")).toInt();
    for (; m_copies_seen < qMin(finished, m_copies); ++m_copies_seen)
        m_progress.copy_done();
    if (m_copies_seen >= m_copies) {
        m_outcome = JobOutcome::Finished;
        return;
    }
    if (m_reported) {
        m_progress.machine_report(task.value(QStringLiteral("Percent")).toInt(), finished,
                                  task.value(QStringLiteral("TaskCopies")).toInt());
    }
    show();
}

void JobWatch::show()
{
    m_output.progress(m_progress);
    if (on_position)
        on_position();
}

void JobWatch::on_key(char key)
{
    if (key == 'p')
        write_action(m_session.device(), "TASK_PAUSE", 0);
    else if (key == 'r')
        write_action(m_session.device(), "TASK_RESUME", 1);
    else if (key == 's' || key == 'q')
        stop();
}

// Asks the machine to stop and waits for its answer; without one the job
// ends on the host side as a stop the machine did not confirm.
void JobWatch::stop()
{
    if (m_stopping) {
        // A second Ctrl-C does not wait for the answer.
        if (m_outcome == JobOutcome::Running)
            m_outcome = JobOutcome::StopUnconfirmed;
        return;
    }
    if (m_outcome != JobOutcome::Running)
        return;
    m_stopping = true;
    if (m_silent) {
        m_output.event(QStringLiteral("stopping"), {{QStringLiteral("reason"), QStringLiteral("silence")}},
                       QCoreApplication::translate("vxctl", "nothing heard from the machine for %1 s: stopping...")
                           .arg(m_silence_ms / 1000.0));
    } else {
        m_output.event(QStringLiteral("stopping"), {}, QCoreApplication::translate("vxctl", "stopping..."));
    }
    write_action(m_session.device(), "TASK_STOP", 2);
    // The machine's "stopped" ends the wait; a second Ctrl-C, or the link
    // going down, ends it unanswered.
    wait_for([&] { return m_outcome != JobOutcome::Running || !m_session.link_lost().isEmpty(); }, m_answer_ms);
    if (m_outcome == JobOutcome::Running)
        m_outcome = JobOutcome::StopUnconfirmed;
}

#pragma once

#include <QtCore/QElapsedTimer>
#include <QtCore/QJsonObject>
#include <QtCore/QObject>
#include <QtCore/QVariant>

#include <functional>

class DeviceSession;
class JobReport;
class JobProgress;
class VXDeviceProperty;

// Silent: the machine said nothing for too long, was asked to stop and
// confirmed it. StopUnconfirmed: a stop was asked for (by the operator or
// after a silence) and the machine did not answer it: it may still cut.
enum class JobOutcome { Running, Finished, LinkLost, MachineStop, UserStop, Silent, StopUnconfirmed };

// The outcome's name in events and stored records: "finished", "link_lost", …
QString job_outcome_name(JobOutcome outcome);

// Follows jobs on the machine through the device interface: pages sent,
// copies closed and progress reports go to the progress; the host's keys
// p, r, s (or q) pause, resume and stop; the link going down ends it,
// and the machine staying silent longer than allowed (while not paused)
// makes it ask the machine to stop. A stop waits answer_ms for the
// machine's answer. Any byte from the machine counts as life.
class JobWatch : public QObject
{
public:
    JobWatch(DeviceSession &session, JobReport &output, JobProgress &progress, int silence_ms, int answer_ms);

    // Starts a job on the machine and follows it until its copies are done
    // or it ends early; an early end ends every later call at once.
    JobOutcome run(const std::function<void()> &start, int copies);
    // Hands a job text to the plugin without counting it as a page sent.
    // The text is taken: the plugin's copy is then the only one.
    void load(QString text);
    // After a page was sent by vxctl itself.
    void page_went_out();

    QJsonObject record() const;
    // The record as the machine last reported it (a progress report, a copy
    // closed or its stop), across the machine jobs of this watch; empty
    // before its first report. Never the record reset for the next job.
    QJsonObject reported_record() const { return m_reported_record; }
    // The stop was asked for because the machine said nothing for too long.
    bool went_silent() const { return m_silent; }
    // Told of every QR code the machine reports.
    std::function<void(const QString &code)> on_qr_code;
    // Told when the copy or page being cut changed.
    std::function<void()> on_position;
    // Stops the job as the stop key does (a QR-code job that runs out of
    // usable codes stops itself).
    void stop();
    // A key of the host's: p pauses, r resumes, s or q stops.
    void on_key(char key);

private:
    void on_message(int kind, const QString &text);
    void sync_with_record();
    void show();
    bool heard_lately();

    DeviceSession &m_session;
    JobReport &m_output;
    JobProgress &m_progress;
    VXDeviceProperty *const m_carrier;
    const int m_silence_ms;
    const int m_answer_ms;
    QElapsedTimer m_activity;
    QVariant m_last_heard;
    QJsonObject m_reported_record;
    JobOutcome m_outcome = JobOutcome::Running;
    int m_copies = 0;
    int m_copies_seen = 0; // of the machine job, as the record counts them
    bool m_reported = false;
    bool m_loading = false;
    bool m_paused = false;
    bool m_stopping = false;
    bool m_silent = false; // the stop was asked for because nothing was heard
};

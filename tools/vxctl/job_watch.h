#pragma once

#include "terminal.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QJsonObject>
#include <QtCore/QObject>
#include <QtCore/QVariant>

#include <functional>

class DeviceSession;
class JobOutput;
class JobProgress;
class VXDeviceProperty;

enum class JobOutcome { Running, Finished, LinkLost, MachineStop, UserStop, Silent };

// Follows jobs on the machine through the device interface: pages sent,
// copies closed and progress reports go to the progress; the keys p, r, s
// (or q) and Ctrl-C pause, resume and stop; the link going down or the
// machine staying silent longer than allowed (while not paused) ends it.
// Any byte from the machine counts as life.
class JobWatch : public QObject
{
public:
    JobWatch(DeviceSession &session, JobOutput &output, JobProgress &progress, int silence_ms);

    // Starts a job on the machine and follows it until its copies are done
    // or it ends early; an early end ends every later call at once.
    JobOutcome run(const std::function<void()> &start, int copies);
    // Hands a job text to the plugin without counting it as a page sent.
    // The text is taken: the plugin's copy is then the only one.
    void load(QString text);
    // After a page was sent by vxctl itself.
    void page_went_out();

    QJsonObject record() const;
    // Told of every QR code the machine reports.
    std::function<void(const QString &code)> on_qr_code;
    // Told when the copy or page being cut changed.
    std::function<void()> on_position;
    // Stops the job as the stop key does (a QR-code job that runs out of
    // usable codes stops itself).
    void stop();

private:
    void on_message(int kind, const QString &text);
    void on_key(char key);
    void sync_with_record();
    void show();
    bool heard_lately();

    DeviceSession &m_session;
    JobOutput &m_output;
    JobProgress &m_progress;
    VXDeviceProperty *const m_carrier;
    const int m_silence_ms;
    Terminal m_terminal;
    QElapsedTimer m_activity;
    QVariant m_last_heard;
    JobOutcome m_outcome = JobOutcome::Running;
    int m_copies = 0;
    int m_copies_seen = 0; // of the machine job, as the record counts them
    bool m_reported = false;
    bool m_loading = false;
    bool m_paused = false;
    bool m_stopping = false;
};

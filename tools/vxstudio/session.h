#pragma once

#include "design_picture.h"
#include "job_journal.h"
#include "job_lock.h"
#include "job_report.h"
#include "job_run.h"
#include "job_watch.h"
#include "plotter_file.h"
#include "plugin_host.h"
#include "target.h"

#include <QtCore/QDateTime>
#include <QtCore/QElapsedTimer>
#include <QtCore/QJsonObject>
#include <QtCore/QObject>
#include <QtCore/QScopedPointer>

class DeviceSession;
class JobProgress;

// The console's model: the plugin, the machine's link, the design opened,
// the running job and its journal. Everything it tells is what the machine
// reported; a job runs through the host library as vxctl's does.
class Session : public QObject, private JobReport
{
    Q_OBJECT
public:
    enum class Link { Down, Connecting, Up, Lost };
    enum class Job { Idle, Running, Stopping };

    explicit Session(QObject *parent = nullptr);
    ~Session() override;

    // The device plugin, loaded once; false with the reason.
    bool load_plugin(const QString &path, QString *error);

    // The machine; a new one takes effect at the next connect.
    void set_machine(const Target &target) { m_target = target; }
    Target machine() const { return m_target; }
    // The machine as connected (a simulator's port known), else as chosen.
    QString machine_text() const;
    // Seconds to wait for the machine to answer, and for its answer to a stop.
    void set_timeout_ms(int ms) { m_timeout_ms = ms; }
    void set_stop_answer_ms(int ms) { m_stop_answer_ms = ms; }
    // Connects (a simulator is started) and waits for the link; false with
    // the reason in link_text().
    bool connect_machine();
    void disconnect_machine();
    Link link() const { return m_link; }
    // The connected machine's device, null without a link; and the plugin's
    // root object (null before it is loaded), which names settings.
    VXDeviceInterface *device() const;
    VXDeviceInterface *plugin_root() const { return m_plugin.root(); }
    QString link_text() const { return m_link_text; }

    // Reads and draws a design; false with the reason.
    bool open(const QString &path, QString *error);
    QString file() const { return m_file; }
    const DesignSheet &sheet() const { return m_sheet; }
    const PlotterStats &stats() const { return m_stats; }

    // A job of the open design, run from the event loop: job_started, then
    // job_ended. False (nothing sent) when no job can start now.
    bool start(int copies);
    // The rest of the last job of the open design on this machine, as its
    // journal says: the page in flight skipped, or cut again.
    bool resume(bool redo_page);
    ResumePoint resume_point() const;
    // A QR-code job: the cut files from a folder or a map file.
    bool start_qr(const QString &source, bool is_map, int copies, int max_skips);
    void pause();
    void resume_cutting();
    // Asks the machine to stop at once; a second stop does not wait for its answer.
    void stop();

    Job job() const { return m_job; }
    bool qr_job() const { return m_qr; }
    // The job is on the machine (not only asked for): pause and stop reach it.
    bool on_machine() const { return m_watch != nullptr; }
    // The machine confirmed a pause and no resume yet.
    bool paused() const { return m_paused; }
    // Of the running or last job; null before the first.
    const JobProgress *progress() const { return m_progress.data(); }
    int first_page() const { return m_first_page; }
    // Seconds cut (paused time left out) and the estimate of the rest (< 0: unknown).
    double elapsed_s() const;
    double remaining_s() const;
    // Of the last job that ended.
    JobOutcome outcome() const { return m_outcome; }
    QString end_text() const { return m_end_text; }
    QJsonObject record() const { return m_record; }
    // What the running or last job cuts: the design, or a QR-code job's folder or map.
    QString job_file() const { return m_job_file; }
    // The file being cut now and its sheet: the design, or in a QR-code job
    // the file for the code read last; none while the job waits for a code.
    QString cut_file() const { return m_qr ? m_qr_file : m_file; }
    const DesignSheet &cut_sheet() const { return m_qr ? m_qr_sheet : m_sheet; }
    bool waiting_for_code() const { return m_qr && m_qr_file.isEmpty(); }
    // The last job's stop was asked for because the machine stopped answering.
    bool went_silent() const { return m_went_silent; }
    QDateTime started_at() const { return m_started_at; }
    QDateTime ended_at() const { return m_ended_at; }

signals:
    void link_changed();
    void design_changed();
    void job_started(const QString &file, int copies, int from_page);
    // cut_file() and cut_sheet() changed: a QR code's file, or none.
    void cut_file_changed();
    void progress_changed();
    void paused_changed(bool paused);
    void stopping(const QString &text);
    // text: where it ended, as the machine confirmed it.
    void job_ended(JobOutcome outcome, const QString &text);
    // Nothing was sent: no link, or the file cannot be cut as it is now.
    void job_not_started(const QString &why);
    // A QR code the machine read: the file cut for it, or why it was skipped.
    void qr_code(const QString &code, const QString &file, const QString &skipped);
    void log(const QString &text);

private:
    void event(const QString &name, const QJsonObject &fields, const QString &text) override;
    void progress(const JobProgress &progress) override;
    bool can_start(QString *why) const;
    // A design is open and a job can start; else says why in the log.
    bool design_ready();
    void set_link(Link link, const QString &text);
    // Connected, or connects; false after job_not_started.
    bool connected_for_job();
    void run_plotter(int copies, int from_page);
    void run_qr(const QString &source, bool is_map, int copies, int max_skips);
    void begin(const QString &file, int copies, int from_page);
    void end(JobOutcome outcome, const QString &text, const QJsonObject &record);
    // A QR-code job's sheet: the file cut for a code, or none (path empty).
    void set_qr_file(const QString &path, QVector<PlotPage> pages);
    void forget_lost_link();

    PluginHost m_plugin;
    bool m_plugin_loaded = false;
    QScopedPointer<JobLock> m_lock; // released after the device: its link closes first
    QScopedPointer<DeviceSession> m_device;
    Target m_target;
    int m_timeout_ms = 5000;
    int m_stop_answer_ms = kStopAnswerMs;
    Link m_link = Link::Down;
    QString m_link_text;

    QString m_file;
    DesignSheet m_sheet;
    PlotterStats m_stats;

    Job m_job = Job::Idle;
    bool m_qr = false;
    bool m_paused = false;
    bool m_cancelled = false; // stopped before the job reached the machine
    JobWatch *m_watch = nullptr; // while a job runs
    QScopedPointer<JobProgress> m_progress;
    int m_first_page = 1;
    QElapsedTimer m_clock;
    qint64 m_paused_ms = 0;
    qint64 m_paused_since = -1;
    JobOutcome m_outcome = JobOutcome::Running;
    QString m_end_text;
    QJsonObject m_record;
    QString m_job_file;
    bool m_went_silent = false;
    QString m_qr_file;
    DesignSheet m_qr_sheet;
    int m_qr_copy = 0; // copies done when the code's file went out
    QDateTime m_started_at, m_ended_at;
};

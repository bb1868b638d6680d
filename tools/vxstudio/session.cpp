#include "session.h"

#include "device_session.h"
#include "job_progress.h"
#include "qr_cut_files.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"
#include "work_area.h"

#include <QtCore/QFileInfo>
#include <QtCore/QLoggingCategory>
#include <QtCore/QTimer>

Q_LOGGING_CATEGORY(lcStudio, "vx.studio")

Session::Session(QObject *parent)
    : QObject(parent)
{
}

Session::~Session()
{
    m_device.reset();
}

bool Session::load_plugin(const QString &path, QString *error)
{
    if (m_plugin_loaded)
        return true;
    if (!m_plugin.load(path)) {
        *error = m_plugin.error();
        return false;
    }
    m_plugin_loaded = true;
    return true;
}

void Session::set_link(Link link, const QString &text)
{
    m_link = link;
    m_link_text = text;
    qCInfo(lcStudio).noquote() << "link:" << text;
    emit link_changed();
}

bool Session::connect_machine()
{
    if (!m_plugin_loaded || m_job != Job::Idle)
        return false;
    disconnect_machine();
    set_link(Link::Connecting, tr("connecting to %1...").arg(m_target.kind == Target::Simulator
                                                                  ? tr("the simulator") : m_target.describe()));
    QString error;
    // Taken before connecting: the connection itself would take the link
    // over from a job another host runs. Each simulator is a machine of its own.
    if (m_target.kind != Target::Simulator) {
        m_lock.reset(new JobLock);
        if (!m_lock->take(m_target, QStringLiteral("vxstudio"), &error)) {
            m_lock.reset();
            set_link(Link::Down, error);
            return false;
        }
    }
    m_device.reset(new DeviceSession(m_plugin.root()));
    if (!m_device->open(m_target, m_timeout_ms, &error)) {
        m_device.reset();
        m_lock.reset();
        set_link(Link::Down, error);
        return false;
    }
    connect(m_device->device(), &VXDeviceInterface::message, this, [this](VXDeviceInterface::VXDeviceMessage kind) {
        if (kind == VXDeviceInterface::DevStatus && m_device && !m_device->link_lost().isEmpty() && m_link == Link::Up)
            set_link(Link::Lost, tr("link lost (%1)").arg(m_device->link_lost()));
    });
    set_link(Link::Up, tr("connected to %1").arg(m_device->target().describe()));
    if (!m_file.isEmpty()) {
        m_sheet.area = machine_work_area(m_device->device(), m_timeout_ms);
        emit design_changed();
    }
    return true;
}

QString Session::machine_text() const
{
    return m_device ? m_device->target().describe() : m_target.describe();
}

void Session::disconnect_machine()
{
    if (m_job != Job::Idle || !m_device)
        return;
    m_device.reset();
    m_lock.reset();
    set_link(Link::Down, tr("not connected"));
}

// A lost link is not used again: the next job connects anew.
void Session::forget_lost_link()
{
    if (m_device && !m_device->link_lost().isEmpty()) {
        const QString why = m_device->link_lost();
        m_device.reset();
        m_lock.reset();
        set_link(Link::Lost, tr("link lost (%1)").arg(why));
    }
}

bool Session::open(const QString &path, QString *error)
{
    if (m_job != Job::Idle) {
        *error = tr("a job is running");
        return false;
    }
    PlotterFile file;
    file.set_keep_paths(true); // the sheet's points, from the one reading
    const QString fault = read_job_file(path, false, kDefaultMaxPage, &file);
    if (!fault.isEmpty()) {
        *error = fault;
        return false;
    }
    m_file = path;
    m_stats = file.stats();
    m_sheet = DesignSheet{file.take_paths(), WorkArea(), QFileInfo(path).fileName(), 0.0, 0.0, false};
    if (m_stats.points_short)
        m_sheet.title += tr(" (path cut short: too many points)");
    m_sheet.area = m_device && m_link == Link::Up ? machine_work_area(m_device->device(), m_timeout_ms)
                                                 : WorkArea{0.0, 0.0, tr("not connected")};
    m_progress.reset();
    m_qr = false; // the sheet is the design's again
    emit design_changed();
    return true;
}

bool Session::can_start(QString *why) const
{
    if (m_job != Job::Idle)
        *why = tr("a job is running");
    else if (!m_plugin_loaded)
        *why = tr("the plugin is not loaded");
    return why->isEmpty();
}

bool Session::design_ready()
{
    QString why;
    if (m_file.isEmpty())
        why = tr("open a design first");
    if (!can_start(&why)) {
        emit log(why);
        return false;
    }
    return true;
}

bool Session::start(int copies)
{
    if (!design_ready())
        return false;
    m_job = Job::Running; // until the event loop runs it: no second start
    m_cancelled = false;
    QTimer::singleShot(0, this, [this, copies] { run_plotter(copies, 1); });
    return true;
}

ResumePoint Session::resume_point() const
{
    if (m_file.isEmpty())
        return ResumePoint();
    const JobJournal journal(m_file, m_target.key());
    return ::resume_point(journal, m_stats.pages, false);
}

bool Session::resume(bool redo_page)
{
    if (!design_ready())
        return false;
    JobJournal journal(m_file, m_target.key());
    const ResumePoint point = ::resume_point(journal, m_stats.pages, redo_page);
    switch (point.kind) {
    case ResumePoint::NoJournal:
        emit log(point.error);
        return false;
    case ResumePoint::OnlyInFlight:
        emit log(tr("nothing left to cut of %1 but page %2, in flight at the interruption: whether it was cut is "
                    "unknown (Resume and redo page cuts it)").arg(m_file).arg(point.in_flight_page));
        return false;
    case ResumePoint::NothingLeft:
        journal.remove();
        emit log(tr("nothing left to cut of %1").arg(m_file));
        return false;
    case ResumePoint::Cut:
        break;
    }
    m_job = Job::Running;
    m_cancelled = false;
    QTimer::singleShot(0, this, [this, point] { run_plotter(point.copies, point.from_page); });
    return true;
}

bool Session::start_qr(const QString &source, bool is_map, int copies, int max_skips)
{
    QString why;
    if (!can_start(&why)) {
        emit log(why);
        return false;
    }
    m_job = Job::Running;
    m_cancelled = false;
    QTimer::singleShot(0, this, [=] { run_qr(source, is_map, copies, max_skips); });
    return true;
}

void Session::pause()
{
    if (m_watch && m_job == Job::Running && !m_paused)
        m_watch->on_key('p');
}

void Session::resume_cutting()
{
    if (m_watch && m_job == Job::Running && m_paused)
        m_watch->on_key('r');
}

void Session::stop()
{
    if (m_watch)
        m_watch->stop();
    else if (m_job == Job::Running)
        m_cancelled = true; // asked for, still connecting: nothing goes out
}

double Session::elapsed_s() const
{
    if (!m_clock.isValid())
        return 0.0;
    const qint64 paused = m_paused_ms + (m_paused_since >= 0 ? m_clock.elapsed() - m_paused_since : 0);
    return (m_clock.elapsed() - paused) / 1000.0;
}

double Session::remaining_s() const
{
    return m_progress ? m_progress->remaining_s(elapsed_s()) : -1.0;
}

void Session::event(const QString &name, const QJsonObject &fields, const QString &text)
{
    Q_UNUSED(fields)
    if (name == QLatin1String("paused") || name == QLatin1String("resumed")) {
        m_paused = name == QLatin1String("paused");
        if (m_paused)
            m_paused_since = m_clock.elapsed();
        else if (m_paused_since >= 0)
            m_paused_ms += m_clock.elapsed() - m_paused_since, m_paused_since = -1;
        emit paused_changed(m_paused);
    } else if (name == QLatin1String("stopping")) {
        m_job = Job::Stopping;
        emit stopping(text);
    }
}

void Session::progress(const JobProgress &progress)
{
    // The code's copy closed: nothing is cut until the machine reads the next.
    if (m_qr && !m_qr_file.isEmpty() && progress.copies_done() > m_qr_copy)
        set_qr_file(QString(), {});
    emit progress_changed();
}

void Session::set_qr_file(const QString &path, QVector<PlotPage> pages)
{
    m_qr_file = path;
    m_qr_sheet.pages = std::move(pages);
    m_qr_sheet.legend = false;
    if (!path.isEmpty())
        m_qr_sheet.title = QFileInfo(path).fileName();
    else if (m_job != Job::Idle)
        m_qr_sheet.title = tr("no file being cut: waiting for the machine to read a QR code");
    else
        m_qr_sheet.title = tr("no file being cut");
    emit cut_file_changed();
}

VXDeviceInterface *Session::device() const
{
    return m_device && m_link == Link::Up ? m_device->device() : nullptr;
}

void Session::begin(const QString &file, int copies, int from_page)
{
    m_paused = false;
    m_paused_ms = 0;
    m_paused_since = -1;
    m_first_page = from_page;
    m_job_file = file;
    m_went_silent = false;
    m_clock.start();
    m_started_at = QDateTime::currentDateTime();
    m_record = QJsonObject();
    emit job_started(file, copies, from_page);
}

void Session::end(JobOutcome outcome, const QString &text, const QJsonObject &record)
{
    m_watch = nullptr;
    m_job = Job::Idle;
    if (m_paused_since >= 0)
        m_paused_ms += m_clock.elapsed() - m_paused_since, m_paused_since = -1;
    m_paused = false;
    m_outcome = outcome;
    m_end_text = text;
    m_record = record;
    m_ended_at = QDateTime::currentDateTime();
    qCInfo(lcStudio).noquote() << "job ended:" << job_outcome_name(outcome);
    // The last code's copy closed with the job (no report after it).
    if (m_qr && (m_qr_file.isEmpty() || outcome == JobOutcome::Finished))
        set_qr_file(QString(), {});
    forget_lost_link();
    emit job_ended(outcome, text);
}

namespace {

// Why a job ended early, from the machine's side, in a line.
QString early_end_reason(JobOutcome outcome, const JobWatch &watch, const DeviceSession &device, int silence_ms)
{
    switch (outcome) {
    case JobOutcome::LinkLost:
        return Session::tr("link lost during the job (%1)").arg(device.link_lost());
    case JobOutcome::MachineStop:
        return Session::tr("the job was stopped on the machine");
    case JobOutcome::UserStop:
        return Session::tr("the machine confirmed the stop");
    case JobOutcome::Silent:
        return silence_text(silence_ms) + Session::tr("; it confirmed the stop");
    case JobOutcome::StopUnconfirmed: {
        QString text = watch.went_silent() ? silence_text(silence_ms) : Session::tr("no answer to the stop");
        if (!device.link_lost().isEmpty())
            text += QStringLiteral(" (") + Session::tr("link lost: %1").arg(device.link_lost()) + QLatin1Char(')');
        return text;
    }
    case JobOutcome::Finished:
    case JobOutcome::Running:
        break;
    }
    return QString();
}

} // namespace

bool Session::connected_for_job()
{
    m_job = Job::Idle; // for connect_machine
    const bool up = m_link == Link::Up || connect_machine();
    if (up && !m_cancelled) {
        m_job = Job::Running;
        return true;
    }
    m_cancelled = false;
    emit job_not_started(up ? tr("no job started: stopped before anything was sent")
                            : tr("no job started: %1").arg(m_link_text));
    return false;
}

void Session::run_plotter(int copies, int from_page)
{
    m_qr = false;
    if (!connected_for_job())
        return;
    PlotterFile file;
    QString fault = read_job_file(m_file, false, kDefaultMaxPage, &file);
    VXDeviceInterface *device = m_device->device();
    const PlotterStats stats = file.stats();
    if (fault.isEmpty())
        fault = work_area_refusal(m_file, stats, job_work_area(device, m_timeout_ms, WorkArea()));
    if (fault.isEmpty() && from_page > stats.pages)
        fault = tr("%1 has %2 page(s) now: it was changed since the job was interrupted").arg(m_file).arg(stats.pages);
    if (!fault.isEmpty()) {
        m_job = Job::Idle;
        emit job_not_started(tr("no job started: %1").arg(fault));
        return;
    }
    JobJournal journal(m_file, m_device->target().key());
    m_progress.reset(new JobProgress(stats.page_path, copies, from_page));
    const double speed = machine_speed(device, m_timeout_ms);
    if (speed > 0.0)
        m_progress->set_speed(speed);
    m_sheet.speed = speed;
    m_sheet.seconds = PlotterStats::seconds(stats.cut + stats.travel, speed);
    const int silence_ms = page_silence_ms(stats, speed, m_timeout_ms);
    if (m_cancelled) { // stopped while the machine was asked its speed
        m_cancelled = false;
        m_job = Job::Idle;
        emit job_not_started(tr("no job started: stopped before anything was sent"));
        return;
    }
    JobWatch watch(*m_device, *this, *m_progress, silence_ms, qMin(kStopAnswerMs, m_stop_answer_ms));
    m_watch = &watch;
    JobJournal::Position where;
    keep_journal(watch, journal, *m_progress, stats.pages, copies, &where, [this, &journal] {
        emit log(tr("cannot write the journal %1: a resume will not know where this job stands").arg(journal.path()));
    });
    begin(m_file, copies, from_page);
    QJsonObject record;
    const JobOutcome outcome = cut_copies(file, from_page, copies, device, watch, *m_progress, &record);
    m_went_silent = watch.went_silent();
    if (outcome == JobOutcome::Finished) {
        m_progress->finish();
        journal.remove();
        end(outcome, tr("finished: %1 of %1 copies").arg(copies), record);
        return;
    }
    QString text = early_end_headline(outcome, *m_progress) + QLatin1Char('\n')
        + early_end_reason(outcome, watch, *m_device, silence_ms) + QLatin1Char('\n')
        + confirmed_sentences(*m_progress, from_page);
    int page = 0, left = 0;
    if (next_to_cut(where, false, &page, &left))
        text += QLatin1Char('\n') + (outcome == JobOutcome::StopUnconfirmed
                                         ? tr("once the machine has stopped, Resume cuts from page %1 (%2 left)")
                                         : tr("Resume cuts from page %1 (%2 left)")).arg(page).arg(copies_text(left))
            + QLatin1Char('\n') + tr("Resume and redo page cuts page %1 again first").arg(m_progress->page());
    else
        text += QLatin1Char('\n') + tr("nothing is left to cut unless page %1 was not cut: Resume and redo page cuts it")
                                        .arg(m_progress->page());
    end(outcome, text, record);
}

// As vxctl's QR-code job: each code the machine reports is answered with
// its cut file; a code without one is skipped by asking for the next, and
// after max_skips in a row the job is stopped.
void Session::run_qr(const QString &source, bool is_map, int copies, int max_skips)
{
    m_qr = true;
    if (!connected_for_job())
        return;
    QrCutFiles cut_files;
    QString error;
    if (!(is_map ? cut_files.use_map(source, &error) : cut_files.use_directory(source, &error))) {
        m_job = Job::Idle;
        emit job_not_started(tr("no job started: %1").arg(error));
        return;
    }
    VXDeviceInterface *device = m_device->device();
    m_qr_sheet.area = job_work_area(device, m_timeout_ms, WorkArea());
    set_qr_file(QString(), {});
    m_progress.reset(new JobProgress({1.0}, copies));
    JobWatch watch(*m_device, *this, *m_progress, m_timeout_ms, qMin(kStopAnswerMs, m_stop_answer_ms));
    m_watch = &watch;
    int skips_in_a_row = 0;
    bool gave_up = false;
    watch.on_qr_code = [&](const QString &code) {
        if (gave_up)
            return; // codes still on their way while the machine is stopped
        PlotterFile file;
        file.set_keep_paths(true); // for the sheet
        QString path;
        QString why = qr_cut_file(cut_files, code, kDefaultMaxPage, &file, &path);
        if (why.isEmpty() && !device->property_ptr("TASK_PPLT"))
            why = tr("the plugin has no page carrier");
        if (!why.isEmpty()) {
            gave_up = ++skips_in_a_row >= max_skips;
            emit qr_code(code, QString(), why);
            if (gave_up)
                QTimer::singleShot(0, &watch, [&watch] { watch.stop(); });
            else
                send_read(device, "GET_QRCODE");
            return;
        }
        skips_in_a_row = 0;
        emit qr_code(code, path, QString());
        m_qr_copy = m_progress->copies_done();
        set_qr_file(path, file.take_paths());
        send_qr_copy(file, device, watch, *m_progress);
    };
    write_setting(device, "TASK_MODE", 1);
    write_setting(device, "TASK_COPIES", copies);
    begin(cut_files.source(), copies, 1);
    const JobOutcome outcome = watch.run([&] { device->startTask(); }, copies);
    m_went_silent = watch.went_silent();
    const QJsonObject record = close_machine_job(watch, device);
    if (outcome == JobOutcome::Finished) {
        m_progress->finish();
        end(outcome, tr("finished: %1 of %1 copies").arg(copies), record);
        return;
    }
    QString text = early_end_headline(outcome, *m_progress);
    if (gave_up && (outcome == JobOutcome::UserStop || outcome == JobOutcome::StopUnconfirmed))
        text += QLatin1Char('\n') + tr("ended after %1 QR codes in a row without a usable cut file").arg(max_skips);
    else
        text += QLatin1Char('\n') + early_end_reason(outcome, watch, *m_device, m_timeout_ms);
    end(outcome, text, record);
}

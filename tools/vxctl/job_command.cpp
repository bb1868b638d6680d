// vxctl job: a plotter job (or a QR-code job) cut on the machine with
// progress from what the machine confirmed, a stop that says where it
// stood, and a journal to resume from.
#include "command_table.h"
#include "device_session.h"
#include "job_journal.h"
#include "job_output.h"
#include "job_progress.h"
#include "job_watch.h"
#include "plotter_file.h"
#include "svg_import.h"
#include "work_area.h"
#include "qr_cut_files.h"
#include "terminal.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QRegularExpression>
#include <QtCore/QTimer>

#include <cmath>
#include <limits>

int run_dry_run(const Invocation &call, const PlotterFile &file, int copies, double speed, const WorkArea &area,
                JobOutput &output);
double machine_speed(const Invocation &call);

namespace {

// Room for a page frame's STX, length, ";PPLT;" and ETX.
constexpr qint64 kFrameHeaderBytes = 32;
// The largest frame the controller takes: the simulator's, which drops
// longer ones unanswered (vxsim --max-frame).
constexpr qint64 kControllerFrameBytes = 64 << 20;
// The plugin frames a page through a UTF-8 conversion that reserves three
// bytes a character, and a Qt 5 byte array holds less than 2 GiB.
constexpr qint64 kPluginPageBytes = (std::numeric_limits<int>::max() - 64) / 3;
// The slowest SPEED the machine takes, for a machine that does not tell.
constexpr double kSlowestSpeed = 10.0;
// Over twice a page's time, before a machine that reports only at a
// page's end counts as silent.
constexpr int kSilenceMarginMs = 10000;
// The longest --max-silence, in seconds: a day.
constexpr double kLongestSilenceSeconds = 86400.0;
// The longest wait for the machine's answer to a stop (--timeout if shorter).
constexpr int kStopAnswerMs = 3000;

struct JobRequest
{
    QString file;
    int mode = 0; // 0 plotter job, 1 QR-code job
    int copies = 1;
    int from_page = 1;
    bool resume = false;
    bool redo_page = false;
    bool dry_run = false;
    bool json = false;
    bool speed_given = false;
    double speed = 100.0;
    int max_silence_ms = 0; // 0: from the pages and the machine's speed
    qint64 max_page = kControllerFrameBytes - kFrameHeaderBytes;
    QString qr_directory;
    QString qr_map;
    int qr_max_skips = 10;
    SvgImport::PagesBy svg_pages = SvgImport::OnePage;
    WorkArea area; // --area
};

QString tr(const char *text)
{
    return QCoreApplication::translate("vxctl", text);
}

bool whole_number(const QString &text, qint64 min, qint64 max, qint64 *value)
{
    bool ok = false;
    *value = text.toLongLong(&ok);
    return ok && *value >= min && *value <= max;
}

// The options of the job row, checked; the error, or an empty text.
QString parse_request(const Invocation &call, JobRequest *request)
{
    const QCommandLineParser &options = call.options;
    auto is_set = [&](const char *name) { return options.isSet(QLatin1String(name)); };
    auto value = [&](const char *name) { return options.value(QLatin1String(name)); };
    qint64 number = 0;
    request->file = call.arguments.value(0);
    if (!whole_number(value("mode"), 0, 1, &number))
        return tr("--mode takes 0 or 1");
    request->mode = int(number);
    if (!whole_number(value("copies"), 1, kMostCopies, &number))
        return tr("--copies takes a whole number from 1 to %1").arg(kMostCopies);
    request->copies = int(number);
    if (is_set("copies-left")) {
        if (is_set("copies"))
            return tr("--copies-left replaces --copies");
        if (!whole_number(value("copies-left"), 1, kMostCopies, &number))
            return tr("--copies-left takes a whole number from 1 to %1").arg(kMostCopies);
        request->copies = int(number);
    }
    if (is_set("from-page")) {
        if (!whole_number(value("from-page"), 1, std::numeric_limits<int>::max(), &number))
            return tr("--from-page takes a page number from 1");
        request->from_page = int(number);
    }
    request->resume = is_set("resume");
    request->redo_page = is_set("redo-page");
    request->dry_run = is_set("dry-run");
    request->json = is_set("json");
    if (request->resume && (is_set("from-page") || is_set("copies-left") || is_set("copies")))
        return tr("--resume takes the position from the journal: no --from-page, --copies-left or --copies");
    if (request->redo_page && !request->resume)
        return tr("--redo-page goes with --resume (with --from-page, name the page itself)");
    if (is_set("area") && !parse_work_area(value("area"), &request->area))
        return tr("--area takes W,H in mm, each more than 0 and up to 100000");
    if (is_set("picture") && (!request->dry_run || !value("picture").endsWith(QLatin1String(".png"), Qt::CaseInsensitive)))
        return tr("--picture goes with --dry-run and writes a PNG file (FILE.png)");
    request->speed_given = is_set("speed");
    if (request->speed_given) {
        bool ok = false;
        request->speed = value("speed").toDouble(&ok);
        if (!ok || !std::isfinite(request->speed) || request->speed <= 0.0 || request->speed > 10000.0)
            return tr("--speed takes mm/s, more than 0 and up to 10000");
    }
    if (is_set("max-silence")) {
        bool ok = false;
        const double seconds = value("max-silence").toDouble(&ok);
        if (!ok || !(seconds > 0.0) || !(seconds <= kLongestSilenceSeconds))
            return tr("--max-silence takes seconds, more than 0 and up to %1").arg(kLongestSilenceSeconds);
        request->max_silence_ms = qMax(1, int(seconds * 1000));
    }
    if (is_set("max-page")) {
        if (!whole_number(value("max-page"), 64, std::numeric_limits<int>::max() - kFrameHeaderBytes, &number))
            return tr("--max-page takes a number of bytes from 64");
        request->max_page = number;
    }
    request->qr_directory = value("qr");
    request->qr_map = value("qr-map");
    if (!whole_number(value("qr-max-skips"), 1, kMostCopies, &number))
        return tr("--qr-max-skips takes a whole number from 1 to %1").arg(kMostCopies);
    request->qr_max_skips = int(number);
    if (is_set("pages-by") && !SvgImport::pages_by(value("pages-by"), &request->svg_pages))
        return tr("--pages-by takes layer or none");
    const bool qr_files = is_set("qr") || is_set("qr-map");
    if (request->mode == 1) {
        if (is_set("qr") == is_set("qr-map"))
            return tr("a QR-code job (--mode 1) takes --qr DIR or --qr-map FILE");
        if (!request->file.isEmpty())
            return tr("a QR-code job takes its cut files from --qr or --qr-map, not FILE");
        if (request->resume || is_set("from-page") || is_set("copies-left") || request->dry_run)
            return tr("--resume, --from-page, --copies-left and --dry-run are for plotter jobs");
    } else {
        if (qr_files)
            return tr("--qr and --qr-map go with --mode 1");
        if (is_set("qr-max-skips"))
            return tr("--qr-max-skips goes with --mode 1");
        if (request->file.isEmpty())
            return tr("job takes one plotter file");
    }
    if (is_set("sim-qr-codes") && value("sim-qr-codes").contains(QRegularExpression(QStringLiteral("[;\\x02\\x03]|^,|,,|,$"))))
        return tr("--sim-qr-codes takes codes separated by commas");
    return QString();
}

void write_setting(VXDeviceInterface *device, const char *key, const QVariant &value)
{
    if (VXDeviceProperty *property = device->property_ptr(key)) {
        property->setValue(value);
        device->sendCMD(property->set_cmd_bytes());
    }
}

void send_read(VXDeviceInterface *device, const char *key)
{
    if (const VXDeviceProperty *property = device->property_ptr(key))
        device->sendCMD(property->get_cmd_bytes());
}

QString shell_quoted(const QString &text)
{
    if (text.contains(QRegularExpression(QStringLiteral("^[A-Za-z0-9_./:=@+-]+$"))))
        return text;
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("'\\''")) + QLatin1Char('\'');
}

QString target_options(const Target &target)
{
    switch (target.kind) {
    case Target::Tcp: return QStringLiteral("--tcp %1:%2 ").arg(target.host).arg(target.port);
    case Target::Usb: return QStringLiteral("--usb %1 ").arg(shell_quoted(target.usb_path));
    case Target::Link: return QString(); // named by VXCTL_TARGET or the config file, as it will be again
    case Target::Simulator: break;
    }
    return QStringLiteral("--sim ");
}

QString copies_text(int copies)
{
    return copies == 1 ? tr("1 copy") : tr("%1 copies").arg(copies);
}

QString outcome_name(JobOutcome outcome)
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

QString unconfirmed_stop(const JobProgress &progress)
{
    return tr("the machine did not confirm the stop: it may still be cutting page %1 of %2")
        .arg(progress.page()).arg(progress.pages());
}

// Where the job stood when it ended early, saying a stop only when the
// machine confirmed it.
QString early_end_headline(JobOutcome outcome, const JobProgress &progress)
{
    switch (outcome) {
    case JobOutcome::StopUnconfirmed:
        return tr("%1 of %2 copies done; %3").arg(progress.copies_done()).arg(progress.copies())
            .arg(unconfirmed_stop(progress));
    case JobOutcome::LinkLost:
        return tr("link lost after %1 of %2 copies (page %3 of %4): whether the machine stopped is unknown")
            .arg(progress.copies_done()).arg(progress.copies()).arg(progress.page()).arg(progress.pages());
    default:
        break;
    }
    return tr("stopped after %1 of %2 copies (page %3 of %4)")
        .arg(progress.copies_done()).arg(progress.copies()).arg(progress.page()).arg(progress.pages());
}

// Why the job ended early, on stderr, and the exit status for it.
int report_early_end(JobOutcome outcome, const JobWatch &watch, const DeviceSession &session, int silence_ms,
                     const JobProgress &progress, QTextStream &err)
{
    const QString silence = tr("the machine stopped answering (nothing heard for %1 s)").arg(silence_ms / 1000.0);
    switch (outcome) {
    case JobOutcome::LinkLost:
        err << "vxctl: link lost during the job (" << session.link_lost() << ")\n";
        return 1;
    case JobOutcome::MachineStop:
        err << "vxctl: the job was stopped on the machine\n";
        return 1;
    case JobOutcome::UserStop:
        err << "vxctl: job stopped\n";
        return 130;
    case JobOutcome::Silent:
        err << "vxctl: " << silence << tr("; it confirmed the stop") << '\n';
        return 1;
    case JobOutcome::StopUnconfirmed:
        err << "vxctl: " << (watch.went_silent() ? silence + QStringLiteral("; ") : QString()) << unconfirmed_stop(progress);
        if (!session.link_lost().isEmpty())
            err << " (" << tr("link lost: %1").arg(session.link_lost()) << ')';
        err << '\n';
        return 1;
    case JobOutcome::Finished:
    case JobOutcome::Running:
        break;
    }
    return 1;
}

// After an early end of a plotter job, one sentence each: the pages of the
// current copy the machine confirmed, the page in flight, and what the
// resume command cuts. The commands go into the end event too.
QString early_end_sentences(JobOutcome outcome, const JobProgress &progress, const JobJournal::Position &where,
                            int first_page, const QString &command, QJsonObject *end)
{
    const int copies = progress.copies();
    const int pages = progress.pages();
    const int page = progress.page();
    const int copy = progress.copies_done() + 1;
    const int first = progress.copies_done() == 0 ? first_page : 1;
    const QString of_copy = first > 1 ? tr("copy %1 of %2, begun at page %3").arg(copy).arg(copies).arg(first)
                                      : tr("copy %1 of %2").arg(copy).arg(copies);
    QString text;
    if (page <= first)
        text = tr("%1: no page of it is confirmed cut").arg(of_copy);
    else if (page - 1 == first)
        text = tr("%1: page %2 is confirmed cut").arg(of_copy).arg(first);
    else
        text = tr("%1: pages %2 to %3 are confirmed cut").arg(of_copy).arg(first).arg(page - 1);
    text += QLatin1Char('\n') + tr("page %1 was in flight: whether it was cut is unknown").arg(page);

    int resume_page = 0;
    int copies_left = 0;
    if (!next_to_cut(where, false, &resume_page, &copies_left)) {
        text += QLatin1Char('\n') + tr("nothing is left to cut unless page %1 was not cut: %2 --resume --redo-page cuts it")
                                         .arg(page).arg(command);
        return text;
    }
    const QString resume = QStringLiteral("%1 --from-page %2 --copies-left %3").arg(command).arg(resume_page).arg(copies_left);
    end->insert(QStringLiteral("resume"), resume);
    end->insert(QStringLiteral("redo"), command + QStringLiteral(" --resume --redo-page"));
    const int resume_copy = copies - copies_left + 1;
    const auto whole = [&](int from) {
        return from == copies ? tr("copy %1 of %2 whole").arg(from).arg(copies)
                              : tr("copies %1 to %2 of %2 whole").arg(from).arg(copies);
    };
    QString cuts;
    if (resume_page == 1) {
        cuts = whole(resume_copy);
    } else {
        cuts = resume_page == pages ? tr("page %1 of copy %2 of %3").arg(resume_page).arg(resume_copy).arg(copies)
                                    : tr("pages %1 to %2 of copy %3 of %4").arg(resume_page).arg(pages).arg(resume_copy).arg(copies);
        if (copies_left > 1)
            cuts += tr(", then %1").arg(whole(resume_copy + 1));
    }
    text += QLatin1Char('\n')
        + (outcome == JobOutcome::StopUnconfirmed ? tr("once the machine has stopped, resume cuts %1: %2")
                                                  : tr("resume cuts %1: %2")).arg(cuts, resume);
    text += QLatin1Char('\n') + tr("  (or: %1 --resume; add --redo-page to cut page %2 again first)").arg(command).arg(page);
    return text;
}

// The terminal's keys and Ctrl-C go to the watch while the terminal lives.
void watch_keys(Terminal &terminal, JobWatch &watch)
{
    QObject::connect(&terminal, &Terminal::interrupted, &watch, [&watch] { watch.stop(); });
    QObject::connect(&terminal, &Terminal::key_pressed, &watch, [&watch](char key) { watch.on_key(key); });
    terminal.watch_keys();
}

// The record of the last machine job, and the device made ready for the next.
QJsonObject close_machine_job(const JobWatch &watch, VXDeviceInterface *device)
{
    const QJsonObject record = watch.reported_record();
    device->stopTask(); // reports the work to the cloud, if bound, and resets the record
    return record;
}

// The last progress line of a finished job, the end of the bar, and the
// machine's record (JSON output carries it in its end event).
void show_end(JobOutput &output, JobProgress &progress, JobOutcome outcome, const QJsonObject &record,
              bool json, QTextStream &out)
{
    if (outcome == JobOutcome::Finished) {
        progress.finish();
        output.progress(progress);
    }
    output.close_bar();
    if (!json)
        out << "record " << QJsonDocument(record).toJson(QJsonDocument::Compact) << '\n';
}

// The longest silence accepted in a plotter job: twice what its longest
// page takes at the machine's speed, and 10 s more, so that a machine that
// reports only at a page's end is not taken for a silent one; never below
// --timeout. A machine that does not tell its speed counts as the slowest.
int page_silence_ms(const Invocation &call, const PlotterStats &stats, double speed)
{
    double longest = 0.0;
    for (double path : stats.page_path)
        longest = qMax(longest, path);
    const double page_ms = longest / PlotterStats::kUnitsPerMm / (speed > 0.0 ? speed : kSlowestSpeed) * 1000.0;
    return int(qBound(double(call.timeout_ms), 2.0 * page_ms + kSilenceMarginMs, double(std::numeric_limits<int>::max())));
}

// The file read, and its pages checked against what the plugin and the
// controller take; false after telling why.
bool read_plotter_file(const JobRequest &request, PlotterFile *file, QTextStream &err)
{
    QString error;
    file->set_svg_pages_by_layer(request.svg_pages == SvgImport::ByLayer);
    if (!file->read(request.file, &error)) {
        err << "vxctl: " << error << '\n';
        return false;
    }
    const PlotterStats &stats = file->stats();
    if (stats.largest_page_bytes > kPluginPageBytes) {
        err << "vxctl: " << request.file << " has a page of " << stats.largest_page_bytes
            << " bytes; the plugin frames pages up to " << kPluginPageBytes << " bytes\n";
        return false;
    }
    if (stats.largest_page_bytes > request.max_page) {
        err << "vxctl: " << request.file << " has a page of " << stats.largest_page_bytes
            << " bytes; the controller takes pages up to " << request.max_page << " bytes (--max-page)\n";
        return false;
    }
    return true;
}

// --resume: the page and copies the journal says are left. The exit status
// when nothing is (or the journal cannot be read), else -1.
int resume_from_journal(const JobRequest &request, int pages, JobJournal &journal, JobOutput &output,
                        QTextStream &err, int *from_page, int *copies)
{
    JobJournal::Position where;
    QString error;
    if (!journal.load(pages, &where, &error)) {
        err << "vxctl: " << error << '\n';
        return 1;
    }
    if (next_to_cut(where, request.redo_page, from_page, copies))
        return -1;
    // The page in flight is skipped only on request: the journal keeps it
    // for --redo-page.
    if (where.in_flight && !request.redo_page) {
        output.event(QStringLiteral("end"),
                     {{QStringLiteral("outcome"), QStringLiteral("finished")},
                      {QStringLiteral("page_in_flight"), where.page}},
                     tr("nothing left to cut of %1 but page %2, in flight at the interruption: whether it "
                        "was cut is unknown (--resume --redo-page cuts it)").arg(request.file).arg(where.page));
        return 0;
    }
    output.event(QStringLiteral("end"), {{QStringLiteral("outcome"), QStringLiteral("finished")}},
                 tr("nothing left to cut of %1").arg(request.file));
    journal.remove();
    return 0;
}

void show_start(const JobRequest &request, const PlotterStats &stats, int copies, int from_page,
                const Target &target, JobOutput &output)
{
    output.event(QStringLiteral("start"),
                 {{QStringLiteral("file"), request.file}, {QStringLiteral("pages"), stats.pages},
                  {QStringLiteral("copies"), copies}, {QStringLiteral("from_page"), from_page},
                  {QStringLiteral("target"), target.describe()},
                  {QStringLiteral("blank_pages_dropped"), stats.blank_pages_dropped},
                  {QStringLiteral("changes"), QJsonArray::fromStringList(stats.changes)},
                  {QStringLiteral("unknown"), stats.unknown},
                  {QStringLiteral("unknown_count"), stats.unknown_count}},
                 tr("job %1: %2 page(s), %3%4, on %5")
                     .arg(request.file).arg(stats.pages).arg(copies_text(copies))
                     .arg(from_page > 1 ? tr(", the first from page %1").arg(from_page) : QString())
                     .arg(target.describe())
                     + dropped_pages_note(stats) + changes_note(stats));
    if (!request.json && Terminal::is_interactive_output())
        output.event(QString(), {}, tr("keys: p pause, r resume, s or q stop"));
}

// The rest of an interrupted copy is a machine job of its own; then whole
// copies. Stops at the first that does not finish; *record is the last's.
JobOutcome cut_copies(PlotterFile &file, int from_page, int copies, VXDeviceInterface *device, JobWatch &watch,
                      JobProgress &progress, QJsonObject *record)
{
    struct Part { int from_page; int copies; };
    QVector<Part> parts;
    if (from_page > 1)
        parts.append({from_page, 1});
    const int remaining = copies - int(parts.size());
    if (remaining > 0)
        parts.append({1, remaining});
    JobOutcome outcome = JobOutcome::Finished;
    for (int i = 0; i < parts.size() && outcome == JobOutcome::Finished; ++i) {
        const Part part = parts.at(i);
        write_setting(device, "TASK_MODE", 0);
        write_setting(device, "TASK_COPIES", part.copies);
        QString text = file.text_from_page(part.from_page);
        if (i + 1 == parts.size())
            file.release(); // the text holds the job now
        watch.load(std::move(text));
        outcome = watch.run([&] {
            progress.start_page_by_page(part.from_page);
            device->startTask();
        }, part.copies);
        *record = close_machine_job(watch, device);
    }
    return outcome;
}

int run_plotter_job(const Invocation &call, const JobRequest &request, JobOutput &output)
{
    QTextStream &err = call.err;
    PlotterFile file;
    if (!read_plotter_file(request, &file, err))
        return 1;
    const PlotterStats &stats = file.stats();
    const WorkArea area = job_work_area(call.session ? call.session->device() : nullptr,
                                        qMax(call.timeout_ms, 1000), request.area);
    const QString too_large = work_area_refusal(request.file, stats, area);
    if (!too_large.isEmpty()) {
        err << "vxctl: " << too_large << '\n';
        return 1;
    }
    if (request.dry_run)
        return run_dry_run(call, file, request.copies, request.speed, area, output);

    DeviceSession &session = *call.session;
    JobJournal journal(request.file, session.target().key());
    int from_page = request.from_page;
    int copies = request.copies;
    if (request.resume) {
        const int status = resume_from_journal(request, stats.pages, journal, output, err, &from_page, &copies);
        if (status >= 0)
            return status;
    }
    if (from_page > stats.pages) {
        err << "vxctl: --from-page " << from_page << ": " << request.file << " has " << stats.pages
            << " page(s)\n";
        return 2;
    }

    VXDeviceInterface *device = session.device();
    JobProgress progress(stats.page_path, copies, from_page);
    // The machine's speed bounds its silences and starts the estimate,
    // unless --speed names the one to estimate from.
    const double speed = request.max_silence_ms > 0 && request.speed_given ? 0.0 : machine_speed(call);
    if (request.speed_given || speed > 0.0)
        progress.set_speed(request.speed_given ? request.speed : speed);
    output.estimate(progress);
    show_start(request, stats, copies, from_page, session.target(), output);

    const int silence_ms = request.max_silence_ms > 0 ? request.max_silence_ms : page_silence_ms(call, stats, speed);
    Terminal terminal; // outlives the watch, which its keys reach
    JobWatch watch(session, output, progress, silence_ms, qMin(kStopAnswerMs, call.timeout_ms));
    watch_keys(terminal, watch);
    JobJournal::Position where{stats.pages, 0, 0, true};
    bool journal_failed = false;
    watch.on_position = [&] {
        const JobJournal::Position now{stats.pages, copies - progress.copies_done(), progress.page(), true};
        if (now.copies_left != where.copies_left || now.page != where.page) {
            where = now;
            if (!journal.save(where) && !journal_failed) {
                journal_failed = true;
                err << "vxctl: " << tr("cannot write the journal %1: --resume will not know where this job stands")
                                        .arg(journal.path()) << '\n';
                err.flush();
            }
        }
    };

    QJsonObject record;
    const JobOutcome outcome = cut_copies(file, from_page, copies, device, watch, progress, &record);
    QJsonObject end{{QStringLiteral("outcome"), outcome_name(outcome)},
                    {QStringLiteral("record"), record},
                    {QStringLiteral("copies_done"), progress.copies_done()},
                    {QStringLiteral("copies"), copies},
                    {QStringLiteral("page"), progress.page()},
                    {QStringLiteral("pages"), stats.pages}};
    show_end(output, progress, outcome, record, request.json, call.out);
    if (outcome == JobOutcome::Finished) {
        journal.remove();
        output.event(QStringLiteral("end"), end, tr("finished: %1 of %1 copies").arg(copies));
        return 0;
    }

    const QString command = QStringLiteral("vxctl %1job %2").arg(target_options(session.target()), shell_quoted(request.file));
    const QString text = early_end_headline(outcome, progress) + QLatin1Char('\n')
        + early_end_sentences(outcome, progress, where, from_page, command, &end);
    output.event(QStringLiteral("end"), end, text);
    return report_early_end(outcome, watch, session, silence_ms, progress, err);
}

// Each QR code the machine reports is answered with its cut file, sent
// page by page; a code without one is skipped by asking for the next code,
// so the machine cuts nothing for that label and no copy is counted. The
// next code is asked for only once the last one came, and after
// --qr-max-skips unusable codes in a row the job is stopped: a machine
// reading codes that name nothing would otherwise be asked without end.
int run_qr_job(const Invocation &call, const JobRequest &request, JobOutput &output)
{
    QrCutFiles cut_files;
    QString error;
    if (!(request.qr_map.isEmpty() ? cut_files.use_directory(request.qr_directory, &error)
                                   : cut_files.use_map(request.qr_map, &error))) {
        call.err << "vxctl: " << error << '\n';
        return 2;
    }
    DeviceSession &session = *call.session;
    VXDeviceInterface *device = session.device();
    VXDeviceProperty *carrier = device->property_ptr("TASK_PPLT");
    JobProgress progress({1.0}, request.copies);
    output.event(QStringLiteral("start"),
                 {{QStringLiteral("qr"), cut_files.source()}, {QStringLiteral("copies"), request.copies},
                  {QStringLiteral("target"), session.target().describe()}},
                 tr("QR-code job: %1 from %2, on %3")
                     .arg(copies_text(request.copies), cut_files.source(), session.target().describe()));
    const int silence_ms = request.max_silence_ms > 0 ? request.max_silence_ms : call.timeout_ms;
    // Declared before the watch, whose callbacks use them.
    QJsonArray skipped;
    int skips_in_a_row = 0;
    bool gave_up = false;
    Terminal terminal; // outlives the watch, which its keys reach
    JobWatch watch(session, output, progress, silence_ms, qMin(kStopAnswerMs, call.timeout_ms));
    watch_keys(terminal, watch);
    watch.on_qr_code = [&](const QString &code) {
        if (gave_up)
            return; // codes still on their way while the machine is stopped
        const QString path = cut_files.file_for(code);
        PlotterFile file;
        QString why;
        if (path.isEmpty())
            why = tr("no cut file for it in %1").arg(cut_files.source());
        else if (file.read(path, &why) && file.stats().largest_page_bytes > qMin(request.max_page, kPluginPageBytes))
            why = tr("%1 has a page larger than the controller takes").arg(path);
        if (!why.isEmpty() || !carrier) {
            skipped.append(code);
            gave_up = ++skips_in_a_row >= request.qr_max_skips;
            output.event(QStringLiteral("qr_skipped"), {{QStringLiteral("code"), code}, {QStringLiteral("reason"), why}},
                         gave_up ? tr("QR code %1: %2; skipped").arg(code, why)
                                 : tr("QR code %1: %2; skipped, the machine is asked for the next code").arg(code, why));
            // The stop waits for the machine's answer: not from inside the
            // handling of the reply that brought this code.
            if (gave_up)
                QTimer::singleShot(0, &watch, [&watch] { watch.stop(); });
            else
                send_read(device, "GET_QRCODE");
            return;
        }
        skips_in_a_row = 0;
        output.event(QStringLiteral("qr_code"), {{QStringLiteral("code"), code}, {QStringLiteral("file"), path}},
                     tr("QR code %1: %2, %3 page(s)").arg(code, path).arg(file.stats().pages));
        progress.set_pages(file.stats().page_path);
        QString text = file.text_from_page(1);
        file.release();
        watch.load(std::move(text));
        // As the job flow starts a job: the first page, and the status
        // request that closes a one-page copy; the plugin sends the rest.
        device->sendCMD(carrier->set_cmd_bytes());
        if (file.stats().pages == 1)
            send_read(device, "DEVICE_STATUS");
        progress.start_page_by_page(1);
        watch.page_went_out();
    };
    write_setting(device, "TASK_MODE", 1);
    write_setting(device, "TASK_COPIES", request.copies);
    const JobOutcome outcome = watch.run([&] { device->startTask(); }, request.copies);
    const QJsonObject record = close_machine_job(watch, device);
    QJsonObject end{{QStringLiteral("outcome"), outcome_name(outcome)}, {QStringLiteral("record"), record},
                    {QStringLiteral("copies_done"), progress.copies_done()},
                    {QStringLiteral("copies"), request.copies}, {QStringLiteral("skipped"), skipped}};
    show_end(output, progress, outcome, record, request.json, call.out);
    if (outcome == JobOutcome::Finished) {
        output.event(QStringLiteral("end"), end, tr("finished: %1 of %1 copies").arg(request.copies));
        return 0;
    }
    // The watch's own stop: confirmed, it ends as stopped; else unconfirmed.
    if (gave_up && (outcome == JobOutcome::UserStop || outcome == JobOutcome::StopUnconfirmed)) {
        const bool stop_confirmed = outcome == JobOutcome::UserStop;
        end.insert(QStringLiteral("outcome"), QStringLiteral("skip_limit"));
        end.insert(QStringLiteral("stop_confirmed"), stop_confirmed);
        output.event(QStringLiteral("end"), end,
                     tr("ended after %1 QR codes in a row without a usable cut file (--qr-max-skips): %2 of %3 copies cut; %4")
                         .arg(request.qr_max_skips).arg(progress.copies_done()).arg(request.copies)
                         .arg(stop_confirmed ? tr("the machine stopped the job")
                                             : tr("the machine did not confirm the stop: it may still wait for a cut file")));
        call.err << "vxctl: " << request.qr_max_skips << " QR codes in a row had no usable cut file: the job was ended\n";
        return 1;
    }
    output.event(QStringLiteral("end"), end, early_end_headline(outcome, progress));
    return report_early_end(outcome, watch, session, silence_ms, progress, call.err);
}

} // namespace

QString check_job(const Invocation &call)
{
    JobRequest request;
    return parse_request(call, &request);
}

// A dry run without a machine named runs offline, at --speed.
bool job_runs_offline(const Invocation &call)
{
    const QCommandLineParser &options = call.options;
    return options.isSet(QStringLiteral("dry-run")) && !options.isSet(QStringLiteral("tcp"))
        && !options.isSet(QStringLiteral("usb")) && !options.isSet(QStringLiteral("sim"));
}

// The name the simulator's progress reports carry, the largest frame it
// takes, and the QR codes it reports.
QStringList job_simulator_arguments(const Invocation &call)
{
    JobRequest request;
    parse_request(call, &request);
    QStringList arguments{QStringLiteral("--max-frame"), QString::number(request.max_page + kFrameHeaderBytes)};
    if (!request.file.isEmpty())
        arguments << QStringLiteral("--file-name") << QFileInfo(request.file).fileName();
    if (call.options.isSet(QStringLiteral("sim-qr-codes")))
        arguments << QStringLiteral("--qr-codes") << call.options.value(QStringLiteral("sim-qr-codes"));
    return arguments;
}

int run_job(const Invocation &call)
{
    JobRequest request;
    parse_request(call, &request);
    JobOutput output(call.out, request.json);
    return request.mode == 1 ? run_qr_job(call, request, output) : run_plotter_job(call, request, output);
}

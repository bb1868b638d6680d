// vxctl job: a plotter job (or a QR-code job) cut on the machine with
// progress from what the machine confirmed, a stop that says where it
// stood, and a journal to resume from.
#include "command_table.h"
#include "device_session.h"
#include "job_journal.h"
#include "job_output.h"
#include "job_progress.h"
#include "job_run.h"
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

int run_dry_run(const Invocation &call, PlotterFile &file, int copies, double speed, const WorkArea &area,
                JobOutput &output);
double machine_speed(const Invocation &call);

namespace {

// The longest --max-silence, in seconds: a day.
constexpr double kLongestSilenceSeconds = 86400.0;

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
    qint64 max_page = kDefaultMaxPage;
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
    const QString picture = value("picture");
    if (is_set("picture") && (!request->dry_run || !(picture.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
                                                      || picture.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))))
        return tr("--picture goes with --dry-run and writes a PNG or SVG file (FILE.png, FILE.svg)");
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

// Why the job ended early, on stderr, and the exit status for it.
int report_early_end(JobOutcome outcome, const JobWatch &watch, const DeviceSession &session, int silence_ms,
                     const JobProgress &progress, QTextStream &err)
{
    const QString silence = silence_text(silence_ms);
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

// The terminal's keys and Ctrl-C go to the watch while the terminal lives.
void watch_keys(Terminal &terminal, JobWatch &watch)
{
    QObject::connect(&terminal, &Terminal::interrupted, &watch, [&watch] { watch.stop(); });
    QObject::connect(&terminal, &Terminal::key_pressed, &watch, [&watch](char key) { watch.on_key(key); });
    terminal.watch_keys();
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

// --resume: the page and copies the journal says are left. The exit status
// when nothing is (or the journal cannot be read), else -1.
int resume_from_journal(const JobRequest &request, int pages, JobJournal &journal, JobOutput &output,
                        QTextStream &err, int *from_page, int *copies)
{
    const ResumePoint point = resume_point(journal, pages, request.redo_page);
    switch (point.kind) {
    case ResumePoint::NoJournal:
        err << "vxctl: " << point.error << '\n';
        return 1;
    case ResumePoint::Cut:
        *from_page = point.from_page;
        *copies = point.copies;
        return -1;
    case ResumePoint::OnlyInFlight:
        output.event(QStringLiteral("end"),
                     {{QStringLiteral("outcome"), QStringLiteral("finished")},
                      {QStringLiteral("page_in_flight"), point.in_flight_page}},
                     tr("nothing left to cut of %1 but page %2, in flight at the interruption: whether it "
                        "was cut is unknown (--resume --redo-page cuts it)").arg(request.file).arg(point.in_flight_page));
        return 0;
    case ResumePoint::NothingLeft:
        break;
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

int run_plotter_job(const Invocation &call, const JobRequest &request, JobOutput &output)
{
    QTextStream &err = call.err;
    PlotterFile file;
    file.set_keep_paths(call.options.isSet(QStringLiteral("picture")));
    const QString unreadable = read_job_file(request.file, request.svg_pages == SvgImport::ByLayer, request.max_page, &file);
    if (!unreadable.isEmpty()) {
        err << "vxctl: " << unreadable << '\n';
        return 1;
    }
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

    const int silence_ms = request.max_silence_ms > 0 ? request.max_silence_ms : page_silence_ms(stats, speed, call.timeout_ms);
    Terminal terminal; // outlives the watch, which its keys reach
    JobWatch watch(session, output, progress, silence_ms, qMin(kStopAnswerMs, call.timeout_ms));
    watch_keys(terminal, watch);
    JobJournal::Position where;
    keep_journal(watch, journal, progress, stats.pages, copies, &where, [&] {
        err << "vxctl: " << tr("cannot write the journal %1: --resume will not know where this job stands")
                                .arg(journal.path()) << '\n';
        err.flush();
    });

    QJsonObject record;
    const JobOutcome outcome = cut_copies(file, from_page, copies, device, watch, progress, &record);
    QJsonObject end{{QStringLiteral("outcome"), job_outcome_name(outcome)},
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
        PlotterFile file;
        QString path;
        const QString why = qr_cut_file(cut_files, code, request.max_page, &file, &path);
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
        send_qr_copy(file, device, watch, progress);
    };
    write_setting(device, "TASK_MODE", 1);
    write_setting(device, "TASK_COPIES", request.copies);
    const JobOutcome outcome = watch.run([&] { device->startTask(); }, request.copies);
    const QJsonObject record = close_machine_job(watch, device);
    QJsonObject end{{QStringLiteral("outcome"), job_outcome_name(outcome)}, {QStringLiteral("record"), record},
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

#include "job_run.h"

#include "host_texts_p.h"
#include "job_progress.h"
#include "plotter_file.h"
#include "property_io.h"
#include "qr_cut_files.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QVector>

namespace {

// The slowest SPEED the machine takes, for a machine that does not tell.
constexpr double kSlowestSpeed = 10.0;
// Over twice a page's time, before a machine that reports only at a
// page's end counts as silent.
constexpr int kSilenceMarginMs = 10000;

} // namespace

QString copies_text(int copies)
{
    return copies == 1 ? VxctlText::tr("1 copy") : VxctlText::tr("%1 copies").arg(copies);
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

double machine_speed(VXDeviceInterface *device, int timeout_ms)
{
    const QString key = QStringLiteral("SPEED");
    if (!device->property_ptr("SPEED") || !read_values(device, {key}, timeout_ms).isEmpty())
        return 0.0;
    return device->property_ptr("SPEED")->value().toDouble();
}

int page_silence_ms(const PlotterStats &stats, double speed, int timeout_ms)
{
    double longest = 0.0;
    for (double path : stats.page_path)
        longest = qMax(longest, path);
    const double page_ms = longest / PlotterStats::kUnitsPerMm / (speed > 0.0 ? speed : kSlowestSpeed) * 1000.0;
    return int(qBound(double(timeout_ms), 2.0 * page_ms + kSilenceMarginMs, double(std::numeric_limits<int>::max())));
}

QString silence_text(int silence_ms)
{
    return VxctlText::tr("the machine stopped answering (nothing heard for %1 s)").arg(silence_ms / 1000.0);
}

QString read_job_file(const QString &path, bool svg_pages_by_layer, qint64 max_page, PlotterFile *file)
{
    QString error;
    file->set_svg_pages_by_layer(svg_pages_by_layer);
    if (!file->read(path, &error))
        return error;
    const qint64 largest = file->stats().largest_page_bytes;
    if (largest > kPluginPageBytes)
        return VxctlText::tr("%1 has a page of %2 bytes; the plugin frames pages up to %3 bytes").arg(path).arg(largest).arg(kPluginPageBytes);
    if (largest > max_page)
        return VxctlText::tr("%1 has a page of %2 bytes; the controller takes pages up to %3 bytes (--max-page)")
            .arg(path).arg(largest).arg(max_page);
    return QString();
}

ResumePoint resume_point(const JobJournal &journal, int pages, bool redo_page)
{
    ResumePoint point;
    JobJournal::Position where;
    if (!journal.load(pages, &where, &point.error))
        return point;
    if (next_to_cut(where, redo_page, &point.from_page, &point.copies)) {
        point.kind = ResumePoint::Cut;
        return point;
    }
    // The page in flight is skipped only on request: the journal keeps it
    // for a redo.
    point.kind = where.in_flight && !redo_page ? ResumePoint::OnlyInFlight : ResumePoint::NothingLeft;
    point.in_flight_page = where.page;
    return point;
}

void keep_journal(JobWatch &watch, JobJournal &journal, const JobProgress &progress, int pages, int copies,
                  JobJournal::Position *where, const std::function<void()> &on_failure)
{
    *where = JobJournal::Position{pages, 0, 0, true};
    watch.on_position = [&journal, &progress, pages, copies, where, on_failure, failed = false]() mutable {
        const JobJournal::Position now{pages, copies - progress.copies_done(), progress.page(), true};
        if (now.copies_left != where->copies_left || now.page != where->page) {
            *where = now;
            if (!journal.save(*where) && !failed) {
                failed = true;
                on_failure();
            }
        }
    };
}

QJsonObject close_machine_job(const JobWatch &watch, VXDeviceInterface *device)
{
    const QJsonObject record = watch.reported_record();
    device->stopTask(); // reports the work to the cloud, if bound, and resets the record
    return record;
}

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

QString unconfirmed_stop(const JobProgress &progress)
{
    return VxctlText::tr("the machine did not confirm the stop: it may still be cutting page %1 of %2")
        .arg(progress.page()).arg(progress.pages());
}

QString early_end_headline(JobOutcome outcome, const JobProgress &progress)
{
    switch (outcome) {
    case JobOutcome::StopUnconfirmed:
        return VxctlText::tr("%1 of %2 copies done; %3").arg(progress.copies_done()).arg(progress.copies())
            .arg(unconfirmed_stop(progress));
    case JobOutcome::LinkLost:
        return VxctlText::tr("link lost after %1 of %2 copies (page %3 of %4): whether the machine stopped is unknown")
            .arg(progress.copies_done()).arg(progress.copies()).arg(progress.page()).arg(progress.pages());
    default:
        break;
    }
    return VxctlText::tr("stopped after %1 of %2 copies (page %3 of %4)")
        .arg(progress.copies_done()).arg(progress.copies()).arg(progress.page()).arg(progress.pages());
}

QString confirmed_sentences(const JobProgress &progress, int first_page)
{
    const int copies = progress.copies();
    const int page = progress.page();
    const int copy = progress.copies_done() + 1;
    const int first = progress.copies_done() == 0 ? first_page : 1;
    const QString of_copy = first > 1 ? VxctlText::tr("copy %1 of %2, begun at page %3").arg(copy).arg(copies).arg(first)
                                      : VxctlText::tr("copy %1 of %2").arg(copy).arg(copies);
    QString text;
    if (page <= first)
        text = VxctlText::tr("%1: no page of it is confirmed cut").arg(of_copy);
    else if (page - 1 == first)
        text = VxctlText::tr("%1: page %2 is confirmed cut").arg(of_copy).arg(first);
    else
        text = VxctlText::tr("%1: pages %2 to %3 are confirmed cut").arg(of_copy).arg(first).arg(page - 1);
    return text + QLatin1Char('\n') + VxctlText::tr("page %1 was in flight: whether it was cut is unknown").arg(page);
}

QString early_end_sentences(JobOutcome outcome, const JobProgress &progress, const JobJournal::Position &where,
                            int first_page, const QString &command, QJsonObject *end)
{
    const int copies = progress.copies();
    const int pages = progress.pages();
    const int page = progress.page();
    QString text = confirmed_sentences(progress, first_page);
    int resume_page = 0;
    int copies_left = 0;
    if (!next_to_cut(where, false, &resume_page, &copies_left)) {
        text += QLatin1Char('\n') + VxctlText::tr("nothing is left to cut unless page %1 was not cut: %2 --resume --redo-page cuts it")
                                         .arg(page).arg(command);
        return text;
    }
    const QString resume = QStringLiteral("%1 --from-page %2 --copies-left %3").arg(command).arg(resume_page).arg(copies_left);
    end->insert(QStringLiteral("resume"), resume);
    end->insert(QStringLiteral("redo"), command + QStringLiteral(" --resume --redo-page"));
    const int resume_copy = copies - copies_left + 1;
    const auto whole = [&](int from) {
        return from == copies ? VxctlText::tr("copy %1 of %2 whole").arg(from).arg(copies)
                              : VxctlText::tr("copies %1 to %2 of %2 whole").arg(from).arg(copies);
    };
    QString cuts;
    if (resume_page == 1) {
        cuts = whole(resume_copy);
    } else {
        cuts = resume_page == pages ? VxctlText::tr("page %1 of copy %2 of %3").arg(resume_page).arg(resume_copy).arg(copies)
                                    : VxctlText::tr("pages %1 to %2 of copy %3 of %4").arg(resume_page).arg(pages).arg(resume_copy).arg(copies);
        if (copies_left > 1)
            cuts += VxctlText::tr(", then %1").arg(whole(resume_copy + 1));
    }
    text += QLatin1Char('\n')
        + (outcome == JobOutcome::StopUnconfirmed ? VxctlText::tr("once the machine has stopped, resume cuts %1: %2")
                                                  : VxctlText::tr("resume cuts %1: %2")).arg(cuts, resume);
    text += QLatin1Char('\n') + VxctlText::tr("  (or: %1 --resume; add --redo-page to cut page %2 again first)").arg(command).arg(page);
    return text;
}

QString qr_cut_file(const QrCutFiles &cut_files, const QString &code, qint64 max_page, PlotterFile *file,
                    QString *path)
{
    *path = cut_files.file_for(code);
    QString why;
    if (path->isEmpty())
        why = VxctlText::tr("no cut file for it in %1").arg(cut_files.source());
    else if (file->read(*path, &why) && file->stats().largest_page_bytes > qMin(max_page, kPluginPageBytes))
        why = VxctlText::tr("%1 has a page larger than the controller takes").arg(*path);
    return why;
}

void send_qr_copy(PlotterFile &file, VXDeviceInterface *device, JobWatch &watch, JobProgress &progress)
{
    VXDeviceProperty *carrier = device->property_ptr("TASK_PPLT");
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
}

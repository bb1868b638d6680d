// vxctl job FILE --dry-run: what the job would cut, and for how long,
// without sending anything.
#include "command_table.h"
#include "design_picture.h"
#include "device_session.h"
#include "job_output.h"
#include "job_run.h"
#include "plotter_file.h"
#include "property_io.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonObject>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("vxctl", text);
}

} // namespace

// The machine's speed setting, or 0 when it does not answer.
double machine_speed(const Invocation &call)
{
    return machine_speed(call.session->device(), qMax(call.timeout_ms, 1000));
}

// The file's paths, kept while it was read, drawn with the area and the
// figures; the fault, or an empty text.
QString write_picture(const QString &picture, const QString &path, PlotterFile &file, const WorkArea &area,
                      double seconds, double speed)
{
    DesignSheet sheet{file.take_paths(), area, QFileInfo(path).fileName(), seconds, speed};
    if (file.stats().points_short)
        sheet.title += tr(" (path cut short: too many points)");
    QString fault;
    write_design_picture(picture, sheet, &fault);
    return fault;
}

int run_dry_run(const Invocation &call, PlotterFile &file, int copies, double speed, const WorkArea &area,
                JobOutput &output)
{
    QString speed_from = tr("--speed");
    const QString sim_speed = QStringLiteral("sim-speed");
    if (call.session && call.session->target().kind == Target::Simulator && call.options.isSet(sim_speed)) {
        // The simulator cuts at its own speed, whatever SPEED it holds.
        speed = call.options.value(sim_speed).toDouble();
        speed_from = speed > 0.0 ? tr("the simulator's --sim-speed") : tr("--sim-speed 0: the simulator cuts at once");
    } else if (call.session) {
        const double read = machine_speed(call);
        if (read > 0.0) {
            speed = read;
            speed_from = tr("the machine's speed setting");
        } else {
            speed_from = tr("--speed: the machine did not tell its speed");
        }
    }
    const PlotterStats &stats = file.stats();
    const double mm = 1.0 / PlotterStats::kUnitsPerMm;
    const double seconds = PlotterStats::seconds(stats.cut + stats.travel, speed);
    QJsonObject fields{{QStringLiteral("pages"), stats.pages},
                       {QStringLiteral("cut_mm"), stats.cut * mm},
                       {QStringLiteral("travel_mm"), stats.travel * mm},
                       {QStringLiteral("speed"), speed},
                       {QStringLiteral("seconds_per_copy"), seconds},
                       {QStringLiteral("copies"), copies},
                       {QStringLiteral("seconds"), seconds * copies},
                       {QStringLiteral("largest_page_bytes"), double(stats.largest_page_bytes)},
                       {QStringLiteral("blank_pages_dropped"), stats.blank_pages_dropped},
                       {QStringLiteral("changes"), QJsonArray::fromStringList(stats.changes)},
                       {QStringLiteral("imported"), stats.imported},
                       {QStringLiteral("unknown"), stats.unknown},
                       {QStringLiteral("unknown_count"), stats.unknown_count},
                       {QStringLiteral("area_mm"), area.known() ? QJsonValue(QJsonArray{area.width_mm, area.height_mm})
                                                                : QJsonValue()}};
    QString box = tr("none (nothing is cut)");
    if (stats.has_box) {
        fields.insert(QStringLiteral("box_mm"), QJsonObject{{QStringLiteral("min_x"), stats.min_x * mm},
                                                            {QStringLiteral("min_y"), stats.min_y * mm},
                                                            {QStringLiteral("max_x"), stats.max_x * mm},
                                                            {QStringLiteral("max_y"), stats.max_y * mm}});
        box = tr("%1,%2 to %3,%4 mm (%5 x %6 mm)")
                  .arg(stats.min_x * mm, 0, 'f', 1).arg(stats.min_y * mm, 0, 'f', 1)
                  .arg(stats.max_x * mm, 0, 'f', 1).arg(stats.max_y * mm, 0, 'f', 1)
                  .arg((stats.max_x - stats.min_x) * mm, 0, 'f', 1).arg((stats.max_y - stats.min_y) * mm, 0, 'f', 1);
    }
    output.event(QStringLiteral("dry_run"), fields,
                 tr("dry run: nothing is sent\n"
                    "pages: %1\n"
                    "bounding box: %2\n"
                    "path: %3 mm cut, %4 mm with the pen up\n"
                    "estimated time: %5 per copy, %6 for %7 at %8 mm/s (%9)")
                     .arg(stats.pages)
                     .arg(box)
                     .arg(stats.cut * mm, 0, 'f', 1)
                     .arg(stats.travel * mm, 0, 'f', 1)
                     .arg(clock_text(seconds), clock_text(seconds * copies))
                     .arg(copies == 1 ? tr("1 copy") : tr("%1 copies").arg(copies))
                     .arg(speed)
                     .arg(speed_from)
                     + dropped_pages_note(stats) + changes_note(stats)
                     + tr("\nworking area: %1").arg(area.text()));
    const QString picture = call.options.value(QStringLiteral("picture"));
    if (picture.isEmpty())
        return 0;
    const QString fault = write_picture(picture, call.arguments.value(0), file, area, seconds, speed);
    if (!fault.isEmpty()) {
        call.err << "vxctl: " << fault << '\n';
        return 1;
    }
    output.event(QStringLiteral("picture"), QJsonObject{{QStringLiteral("file"), picture}},
                 tr("picture: %1").arg(picture));
    return 0;
}

#include "simulator_faults.h"

#include <QtCore/QCoreApplication>

#include <cmath>
#include <type_traits>

namespace vx::sim {

namespace {

constexpr double kCount = 1 << 30;
using O = SimulatorOptions;

} // namespace

const QVector<SimulatorFault> &simulator_faults()
{
    // In vxctl's help order.
    static const QVector<SimulatorFault> table{
        {"speed", "mm/s", "Cut at this speed instead of at once.", "mm/s", 0, 100000, &O::cut_speed_mm_per_second,
         "sim-speed", QT_TRANSLATE_NOOP("vxctl", "Simulator cutting speed in mm/s (0: instant).")},
        {"machine-stop-after", "n", "After N finished pages, stop the job as the machine's stop key does and report 1001.",
         "a whole number", 0, kCount, &O::machine_stop_after_pages,
         "sim-stop-after", QT_TRANSLATE_NOOP("vxctl", "Simulator: press stop on the machine after n pages.")},
        {"silent-after", "n", "After N finished pages, send nothing more; the link stays up.", "a whole number", 0,
         kCount, &O::silent_after_pages},
        {"drop-after", "n", "Close the TCP client after N finished pages.", "a whole number", 0, kCount,
         &O::drop_after_pages, "sim-drop-after", QT_TRANSLATE_NOOP("vxctl", "Simulator: drop the link after n pages.")},
        {"refuse", "n", "Answer every CCMD request with number N \"N,1\".", "a whole number", 0, kCount,
         &O::refused_command, "sim-refuse", QT_TRANSLATE_NOOP("vxctl", "Simulator: refuse the command with this number.")},
        {"ignore-stop", nullptr, "Leave the stop write \"27,2\" unanswered and go on cutting.", nullptr, 0, 1,
         &O::ignore_stop, "sim-ignore-stop",
         QT_TRANSLATE_NOOP("vxctl", "Simulator: leave the stop unanswered and go on cutting.")},
        {"progress-interval", "ms", "At a speed, a progress report every MS ms; 0 sends only each page's own.", "ms", 0,
         86400000, &O::progress_interval_ms, "sim-progress-interval",
         QT_TRANSLATE_NOOP("vxctl", "Simulator: ms between progress reports while cutting (0: only at each page's end).")},
        {"split", "n", "Write each frame in chunks of N bytes, 1 ms apart.", "bytes", 0, 1 << 20, &O::split_chunk_bytes},
        {"noise", nullptr, "Garbage bytes between frames, some with a stray STX.", nullptr, 0, 1, &O::noise},
        {"duplicate-progress", nullptr, "Send every progress report twice.", nullptr, 0, 1, &O::duplicate_progress},
        {"reset", nullptr, "--drop-after: reset the connection instead of closing it.", nullptr, 0, 1, &O::reset_on_drop},
        {"max-frame", "bytes", "The largest frame taken, header included, in bytes; a longer one is dropped.", "bytes",
         16, 2147483647, &O::max_frame_bytes},
    };
    return table;
}

QString SimulatorFault::default_value() const
{
    const SimulatorOptions defaults;
    return std::visit([&defaults](auto field) { return QString::number(defaults.*field); }, member);
}

QString SimulatorFault::value_error(const QString &value, const QString &name) const
{
    if (!value_name)
        return QString();
    bool ok = false;
    const double number = value.toDouble(&ok);
    const bool whole = !std::holds_alternative<double O::*>(member);
    if (ok && std::isfinite(number) && number >= min && number <= max && (!whole || number == std::floor(number)))
        return QString();
    return QCoreApplication::translate("vxctl", "%1 takes %2 from %3 to %4")
        .arg(name, QCoreApplication::translate("vxctl", unit), QString::number(min), QString::number(max, 'f', 0));
}

void SimulatorFault::apply(SimulatorOptions &options, const QString &value) const
{
    const double number = value_name ? value.toDouble() : 1.0;
    std::visit([&options, number](auto field) {
        using T = std::remove_reference_t<decltype(options.*field)>;
        options.*field = T(number);
    }, member);
}

} // namespace vx::sim

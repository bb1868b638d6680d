#include "report_table.h"

#include "helper_process.h"

#include <cstdio>
#include <string>

namespace vxbench {

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

std::string format(const char *pattern, double a, double b = 0)
{
    char text[128];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

struct Row
{
    std::string what, plugin, baseline, ratio, target;
    int met = -1; // -1: no target
};

void print(std::ostream &out, const Row &row)
{
    const char *verdict = row.met < 0 ? "" : (row.met ? "yes" : "**no**");
    out << "| " << row.what << " | " << row.plugin << " | " << row.baseline << " | " << row.ratio << " | "
        << row.target << " | " << verdict << " |\n";
}

double counter(const Measured *m, const char *name)
{
    const auto it = m->counters.find(name);
    return it == m->counters.end() ? 0 : it->second;
}

bool usable(const Measured *m)
{
    return m && m->error.empty() && m->seconds > 0;
}

void frame_rows(const ResultStore &store, const Scale &scale, std::ostream &out)
{
    const Measured *build = store.find("frame_build");
    const Measured *copy = store.find("frame_copy");
    if (!usable(build) || !usable(copy))
        return;
    const double ratio = build->seconds / copy->seconds;
    print(out, {format("a. PPLT frame of a %.0f KiB page: set_cmd_bytes vs copy", scale.page_bytes / 1024.0),
                format("%.1f µs (%.2f GB/s)", build->seconds * 1e6, scale.page_bytes / build->seconds / 1e9),
                format("%.1f µs (%.2f GB/s)", copy->seconds * 1e6, scale.page_bytes / copy->seconds / 1e9),
                format("%.2f× the time", ratio), "≤ 4×", ratio <= 4});
}

void receive_rows(const ResultStore &store, const QVector<int> &sizes, bool with_progress, std::ostream &out)
{
    const std::string prefix = with_progress ? "receive_mixed_" : "receive_plain_";
    const char *mix = with_progress ? "settings + progress + page-done" : "settings + page-done, no progress";
    double first_per_frame = 0;
    double last_per_frame = 0;
    double first_frames = 0;
    double last_frames = 0;
    for (int i = 0; i < sizes.size(); ++i) {
        const Measured *receive = store.find(prefix + std::to_string(i));
        const Measured *scan = store.find(prefix + std::to_string(i) + "_scan");
        if (!usable(receive) || !usable(scan))
            return;
        const double frames = counter(receive, "frames");
        const double per_frame = receive->seconds / frames;
        if (i == 0) {
            first_per_frame = per_frame;
            first_frames = frames;
        }
        last_per_frame = per_frame;
        last_frames = frames;
        print(out, {"b. " + format("%.0f", frames) + " frames (" + mix + ") in one USB read vs STX/ETX scan",
                    format("%.3g frames/s (%.2f µs/frame)", frames / receive->seconds, per_frame * 1e6),
                    format("%.3g frames/s", frames / scan->seconds),
                    format("%.0f× the time", receive->seconds / scan->seconds), "", -1});
    }
    const double growth = last_per_frame / first_per_frame;
    print(out, {"b. time per frame, " + format("%.0f", last_frames) + " vs " + format("%.0f", first_frames)
                    + " frames (" + mix + ")",
                format("%.2f µs/frame", last_per_frame * 1e6), format("%.2f µs/frame", first_per_frame * 1e6),
                format("%.2f×", growth), "≤ 1.5×", growth <= 1.5});
}

void page_rows(const ResultStore &store, std::ostream &out)
{
    const Measured *split = store.find("set_plt");
    const Measured *search = store.find("pg_search");
    if (usable(split) && usable(search)) {
        const double bytes = counter(split, "bytes");
        print(out, {format("c. setPlt of %.0f MiB in %.0f pages vs \"PG;\" search", bytes / kMiB,
                           counter(split, "pages")),
                    format("%.0f MB/s", bytes / split->seconds / 1e6),
                    format("%.0f MB/s", bytes / search->seconds / 1e6),
                    format("%.2f× the time", split->seconds / search->seconds), "", -1});
    }
    const Measured *peak = store.find("peak_set_plt");
    const Measured *peak_search = store.find("peak_search");
    if (peak && peak->error.empty() && peak_search && peak_search->error.empty()) {
        const double job = counter(peak, "job_bytes");
        const double grown = (counter(peak, "peak_kib") - counter(peak, "base_kib")) * 1024;
        const double grown_search = (counter(peak_search, "peak_kib") - counter(peak_search, "base_kib")) * 1024;
        const double own = (counter(peak, "peak_kib") - counter(peak, "job_hwm_kib")) * 1024;
        print(out, {format("c. peak memory (VmHWM growth) holding and cutting a %.0f MiB job", job / kMiB),
                    format("%.1f MiB", grown / kMiB) + format(" (setPlt itself +%.1f MiB)", own / kMiB),
                    format("%.1f MiB", grown_search / kMiB), format("%.2f× the job", grown / job),
                    "≤ 4× the job", grown <= 4 * job});
    }
}

void stream_rows(const ResultStore &store, const Scale &scale, std::ostream &out)
{
    const Measured *device = store.find("stream_device");
    const Measured *plain = store.find("stream_plain");
    const Measured *echo = store.find("stream_echo");
    if (!usable(device) || !usable(plain) || !usable(echo))
        return;
    const double bytes = counter(device, "bytes");
    const double ratio = plain->seconds / device->seconds;
    print(out, {format("d. %.0f MiB job in %.0f KiB pages over TCP loopback vs plain socket", bytes / kMiB,
                       scale.stream_page / 1024.0),
                format("%.0f MB/s", bytes / device->seconds / 1e6),
                format("%.0f MB/s", counter(plain, "bytes") / plain->seconds / 1e6),
                format("%.2f× the throughput", ratio), "≥ 0.5×", ratio >= 0.5});
    const double latency = counter(device, "first_byte_us");
    print(out, {"d. \"4,0\" sent by the peer → next page's first byte there (median)",
                format("%.0f µs", latency) + format(" (whole page %.0f µs)", counter(device, "whole_page_us")),
                format("%.0f µs", counter(echo, "first_byte_us"))
                    + format(" (whole page %.0f µs)", counter(echo, "whole_page_us")),
                format("%.2f×", latency / counter(echo, "first_byte_us")), "< 100 µs", latency < 100});
    print(out, {"d. same stop-and-wait exchange, plain socket answering \"4,0\"",
                format("%.0f MB/s", bytes / device->seconds / 1e6),
                format("%.0f MB/s", bytes / echo->seconds / 1e6),
                format("%.2f× the throughput", echo->seconds / device->seconds), "", -1});
    const Measured *traced = store.find("stream_trace_cost");
    if (!usable(traced))
        return;
    // The trace must be whole: a recorder that kept up by leaving lines out
    // would not count. Closing the device writes what is left.
    const double cost = counter(traced, "cost_median");
    const double gaps = counter(traced, "trace_gap_lines");
    print(out, {format("d. the same job with the session recorded into a trace (VX_TRACE_DIR) vs not, %.0f pairs in turns",
                       counter(traced, "pairs")),
                format("%.0f MB/s", bytes / traced->seconds / 1e6)
                    + format(" (%.0f lines left out; closing took up to %.0f ms)", gaps, counter(traced, "close_ms")),
                format("%.0f MB/s", bytes / device->seconds / 1e6),
                format("%.2f× the time (median of the pairs", cost)
                    + format("; %.2f× to %.2f×)", counter(traced, "cost_best"), counter(traced, "cost_worst")),
                "≤ 1.05×", cost <= 1.05 && gaps == 0});
}

// Each fleet against the first, per machine: linear growth keeps the ratio
// at 1. The wall time goes beside the CPU time without a ratio of its own:
// a small fleet's is mostly waiting for the machines.
void fleet_rows(const ResultStore &store, const Scale &scale, std::ostream &out)
{
    const Measured *first = store.find("fleet_0");
    if (!usable(first))
        return;
    const double first_machines = counter(first, "machines");
    for (int i = 1; i < scale.fleet_sizes.size(); ++i) {
        const Measured *fleet = store.find("fleet_" + std::to_string(i));
        if (!usable(fleet))
            return;
        const double machines = counter(fleet, "machines");
        const double memory = counter(fleet, "rss_kib") / machines;
        const double first_memory = counter(first, "rss_kib") / first_machines;
        print(out, {format("e. %.0f vs %.0f machines at once", machines, first_machines)
                        + format(" (each a %.0f-page job of %.0f copies over TCP to vxsim): host memory per "
                                 "machine (VmRSS growth)", counter(fleet, "pages"), counter(fleet, "copies")),
                    format("%.1f KiB (%.0f KiB in all)", memory, memory * machines),
                    format("%.1f KiB (%.0f KiB in all)", first_memory, first_memory * first_machines),
                    format("%.2f× per machine", memory / first_memory), "≤ 1.5×", memory / first_memory <= 1.5});
        const double cpu = counter(fleet, "cpu_s") / machines;
        const double first_cpu = counter(first, "cpu_s") / first_machines;
        print(out, {format("e. %.0f vs %.0f machines at once: host CPU time per machine (getrusage), from "
                           "making the instances to the last job's end", machines, first_machines),
                    format("%.2f ms (%.1f ms in all", cpu * 1e3, cpu * machines * 1e3)
                        + format(", %.0f ms wall)", fleet->seconds * 1e3),
                    format("%.2f ms (%.1f ms in all", first_cpu * 1e3, first_cpu * first_machines * 1e3)
                        + format(", %.0f ms wall)", first->seconds * 1e3),
                    format("%.2f× per machine", cpu / first_cpu), "≤ 1.5×", cpu / first_cpu <= 1.5});
    }
}

Measured probe(const Scale &scale, const char *mode)
{
    HelperProcess process(scale.helper_dir + QStringLiteral("/vxbench_peak"),
                          {QString::fromLatin1(mode), QString::number(scale.job_chars),
                           QString::number(scale.job_pages)});
    const QMap<QString, double> figures = process.finish(300000);
    Measured measured;
    if (figures.isEmpty())
        measured.error = std::string("the memory probe failed: ") + mode;
    for (auto it = figures.begin(); it != figures.end(); ++it)
        measured.counters[it.key().toStdString()] = it.value();
    return measured;
}

void design_rows(const ResultStore &store, std::ostream &out)
{
    const Measured *read = store.find("design_read");
    const Measured *split = store.find("design_split");
    if (usable(read) && usable(split)) {
        const double bytes = counter(read, "bytes");
        print(out, {format("f. a %.0f MiB HP-GL file read, checked, interpreted and measured (the dry run) vs "
                           "read and split at \";\"", bytes / kMiB),
                    format("%.2f s (%.0f MB/s)", read->seconds, bytes / read->seconds / 1e6),
                    format("%.2f s (%.0f MB/s)", split->seconds, bytes / split->seconds / 1e6),
                    format("%.2f× the time", read->seconds / split->seconds), "≤ 2×",
                    read->seconds <= 2 * split->seconds});
    }
    const Measured *picture = store.find("design_picture");
    if (usable(picture))
        print(out, {format("f. that design's picture drawn (%.0f pages, 1200 x 800)", counter(picture, "pages")),
                    format("%.3f s", picture->seconds), "", "", "< 1 s", picture->seconds < 1.0});
    const Measured *svg = store.find("svg_import");
    if (usable(svg))
        print(out, {format("f. SVG import of a %.2f MiB drawing (layers, transforms, cubic curves)",
                           counter(svg, "bytes") / kMiB),
                    format("%.3f s", svg->seconds) + format(" (%.1f MiB of HP-GL)", counter(svg, "hpgl_bytes") / kMiB),
                    "", "", "< 1 s", svg->seconds < 1.0});
    const Measured *peak = store.find("peak_design");
    if (peak && peak->error.empty()) {
        const double bytes = counter(peak, "job_bytes");
        const double grown = (counter(peak, "peak_kib") - counter(peak, "base_kib")) * 1024;
        print(out, {"f. peak memory (VmHWM growth) reading that design and holding its paths",
                    format("%.1f MiB", grown / kMiB), format("%.1f MiB file", bytes / kMiB),
                    format("%.2f× the file", grown / bytes), "≤ 3× the file", grown <= 3 * bytes});
    }
}

void console_rows(const ResultStore &store, std::ostream &out)
{
    const Measured *open = store.find("console_open");
    if (open && open->error.empty()) {
        const double bytes = counter(open, "file_bytes");
        const double grown = (counter(open, "peak_kib") - counter(open, "base_kib")) * 1024;
        print(out, {format("g. console: a %.0f MiB design opened and drawn (1280 x 900 window)", bytes / kMiB),
                    format("%.2f s", counter(open, "open_draw_s")), "", "", "≤ 2 s", counter(open, "open_draw_s") <= 2.0});
        print(out, {"g. console memory (VmHWM growth) with that design shown", format("%.1f MiB", grown / kMiB),
                    format("%.1f MiB file", bytes / kMiB), format("%.2f× the file", grown / bytes), "≤ 6× the file",
                    grown <= 6 * bytes});
    }
    const Measured *stall = store.find("console_stall");
    if (stall && stall->error.empty())
        print(out, {format("g. longest event-loop stall while that design is cut on vxsim (a report every 20 ms, "
                           "%.0f s)", counter(stall, "seconds")),
                    format("%.0f ms", counter(stall, "stall_ms")),
                    format("%.0f reports", counter(stall, "reports")), "", "≤ 50 ms",
                    counter(stall, "stall_ms") <= 50.0});
    const Measured *turn = store.find("console_turnaround");
    if (turn && turn->error.empty()) {
        const double bare = counter(turn, "bare_us"), window = counter(turn, "window_us");
        print(out, {format("g. \"4,0\" → next page's first byte, %.0f pages of 20 KB: console window vs none", counter(turn, "pages"))
                        + format(" (median of %.0f runs each, in turns)", counter(turn, "pairs")),
                    format("%.0f µs", window), format("%.0f µs", bare), format("%.2f×", window / bare), "≤ 1.1×",
                    window <= 1.1 * bare});
    }
}

} // namespace

void measure_peaks(const Scale &scale, ResultStore &store)
{
    store.put("peak_set_plt", probe(scale, "setplt"));
    store.put("peak_search", probe(scale, "search"));
}

void print_table(const ResultStore &store, const Scale &scale, std::ostream &out)
{
    out << "| Measurement | Plugin | Baseline | Ratio | Target | Met |\n"
        << "|---|---|---|---|---|---|\n";
    frame_rows(store, scale, out);
    receive_rows(store, scale.mixed_frames, true, out);
    receive_rows(store, scale.plain_frames, false, out);
    page_rows(store, out);
    stream_rows(store, scale, out);
    fleet_rows(store, scale, out);
    design_rows(store, out);
    console_rows(store, out);
}

} // namespace vxbench

// The operator's console, measured by vxbench_console in processes of its
// own: a design opened and drawn (time and memory), the longest stall of
// its event loop during a job reporting 50 times a second, and the page
// turnaround of a job with the window against the same job without it, in
// turns, against the peer that answers each page.
#include "bench_designs.h"
#include "bench_scale.h"
#include "helper_process.h"
#include "report_table.h"

#include <QtCore/QDir>
#include <QtCore/QTemporaryFile>

#include <algorithm>
#include <vector>

namespace vxbench {

namespace {

Measured figures_of(const QMap<QString, double> &figures, const char *what)
{
    Measured measured;
    if (figures.isEmpty())
        measured.error = std::string("vxbench_console failed: ") + what;
    for (auto it = figures.begin(); it != figures.end(); ++it)
        measured.counters[it.key().toStdString()] = it.value();
    return measured;
}

// One job against the peer; the peer's median turnaround, 0 on failure.
double turnaround_us(const Scale &scale, const QString &job, int pages, const char *how)
{
    HelperProcess peer(scale.helper_dir + QStringLiteral("/vxbench_peer"),
                       {QStringLiteral("reply"), QString::number(pages)});
    const quint16 port = peer.wait_port(5000);
    if (port == 0)
        return 0.0;
    HelperProcess console(scale.helper_dir + QStringLiteral("/vxbench_console"),
                          {QStringLiteral("turnaround"), QString::number(port), job, QLatin1String(how)});
    if (console.finish(120000).value(QStringLiteral("pages")) != pages)
        return 0.0;
    return peer.finish(10000).value(QStringLiteral("first_byte_median_us"));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

} // namespace

void measure_console(const Scale &scale, ResultStore &store)
{
    const QString design = design_file_path(scale);
    const QString program = scale.helper_dir + QStringLiteral("/vxbench_console");
    store.put("console_open", figures_of(HelperProcess(program, {QStringLiteral("open"), design}).finish(120000),
                                         "open"));
    store.put("console_stall",
              figures_of(HelperProcess(program, {QStringLiteral("stall"), design,
                                                 QString::number(scale.smoke ? 1 : 5)}).finish(180000),
                         "stall"));

    QTemporaryFile job(QDir::temp().filePath(QStringLiteral("vxbench-pages-XXXXXX.plt")));
    const QByteArray text = design_hpgl(qint64(scale.console_pages) * 20000, scale.console_pages);
    if (!job.open() || job.write(text) != text.size() || !job.flush()) {
        store.put("console_turnaround", figures_of({}, "the job file"));
        return;
    }
    std::vector<double> bare, window;
    for (int i = 0; i < scale.console_pairs; ++i) {
        bare.push_back(turnaround_us(scale, job.fileName(), scale.console_pages, "bare"));
        window.push_back(turnaround_us(scale, job.fileName(), scale.console_pages, "window"));
    }
    Measured measured;
    if (std::count(bare.begin(), bare.end(), 0.0) + std::count(window.begin(), window.end(), 0.0) > 0)
        measured.error = "a turnaround run failed";
    measured.counters["bare_us"] = median(bare);
    measured.counters["window_us"] = median(window);
    measured.counters["pages"] = scale.console_pages;
    measured.counters["pairs"] = scale.console_pairs;
    store.put("console_turnaround", measured);
}

} // namespace vxbench

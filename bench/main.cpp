// The benchmark program: every measurement against its baseline, printed
// as one table. "--smoke" runs tiny sizes once, to check that each
// measurement works; "--only=GROUP" (frame, receive, pages, stream, fleet)
// (or design, console) runs one group; "--mixed=N,N,..." and "--plain=N,N,..." set the frame
// counts of the receive measurements. The exit status tells whether any
// failed.
#include "bench_scale.h"
#include "report_table.h"
#include "result_store.h"

#include <benchmark/benchmark.h>

#include <QtCore/QByteArray>
#include <QtCore/QCoreApplication>
#include <QtCore/QLoggingCategory>
#include <QtCore/QVector>

#include <cstring>
#include <iostream>
#include <string>

namespace {

// "--name=1,2,3" as numbers; `fallback` when the option is absent.
QVector<int> counts_option(int argc, char **argv, const char *name, const QVector<int> &fallback)
{
    const QByteArray prefix = QByteArray("--") + name + '=';
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (!arg.startsWith(prefix))
            continue;
        QVector<int> counts;
        for (const QByteArray &item : arg.mid(prefix.size()).split(','))
            counts << qMax(3, item.toInt());
        return counts;
    }
    return fallback;
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    bool smoke = false;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        smoke = smoke || std::strcmp(argv[i], "--smoke") == 0;
        if (std::strncmp(argv[i], "--only=", 7) == 0)
            only = argv[i] + 7;
    }
    const auto wanted = [&only](const char *group) { return only.empty() || only == group; };
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("vx.*.debug=false"));

    vxbench::Scale scale = smoke ? vxbench::Scale::tiny() : vxbench::Scale::full();
    scale.helper_dir = QCoreApplication::applicationDirPath();
    scale.mixed_frames = counts_option(argc, argv, "mixed", scale.mixed_frames);
    scale.plain_frames = counts_option(argc, argv, "plain", scale.plain_frames);
    std::cerr << "preparing inputs...\n";
    if (wanted("frame"))
        vxbench::register_frame_benchmarks(scale);
    if (wanted("receive"))
        vxbench::register_receive_benchmarks(scale);
    if (wanted("pages"))
        vxbench::register_page_benchmarks(scale);
    if (wanted("stream"))
        vxbench::register_stream_benchmarks(scale);
    if (wanted("fleet"))
        vxbench::register_fleet_benchmarks(scale);

    vxbench::ResultStore store;
    benchmark::RunSpecifiedBenchmarks(&store);
    if (wanted("pages"))
        vxbench::measure_peaks(scale, store);
    if (wanted("design"))
        vxbench::measure_design(scale, store);
    if (wanted("console"))
        vxbench::measure_console(scale, store);
    vxbench::print_table(store, scale, std::cout);
    return store.any_error() ? 1 : 0;
}

// A host driving many machines at once, measured by vxbench_fleet in a
// process of its own per run: its wall time is the benchmark's time, its
// memory growth and CPU time are counters.
#include "bench_scale.h"
#include "helper_process.h"

#include <benchmark/benchmark.h>

#include <QtCore/QMap>

#include <string>

namespace vxbench {

namespace {

void fleet(benchmark::State &state, int machines, const Scale &scale)
{
    QMap<QString, double> figures;
    for (auto _ : state) {
        HelperProcess host(scale.helper_dir + QStringLiteral("/vxbench_fleet"), {QString::number(machines)});
        figures = host.finish(120000);
        if (figures.isEmpty()) {
            state.SkipWithError("vxbench_fleet failed");
            break;
        }
        state.SetIterationTime(figures.value(QStringLiteral("wall_s")));
    }
    for (auto it = figures.cbegin(); it != figures.cend(); ++it)
        state.counters[it.key().toStdString()] = it.value();
}

} // namespace

void register_fleet_benchmarks(const Scale &scale)
{
    for (int i = 0; i < scale.fleet_sizes.size(); ++i)
        benchmark::RegisterBenchmark(("fleet_" + std::to_string(i)).c_str(), fleet, scale.fleet_sizes.at(i), scale)
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(scale.repetitions);
}

} // namespace vxbench

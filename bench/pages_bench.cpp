// Cutting a big plotter job into pages with setPlt, against a bare search
// for "PG;" over the same text.
#include "bench_data.h"
#include "bench_scale.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"

#include <benchmark/benchmark.h>

#include <QtCore/QScopedPointer>

#include <memory>

namespace vxbench {

namespace {

int count_page_ends(const QString &job)
{
    static const QLatin1String kPageEnd("PG;");
    int count = 0;
    for (int at = job.indexOf(kPageEnd); at >= 0; at = job.indexOf(kPageEnd, at + kPageEnd.size()))
        ++count;
    return count;
}

} // namespace

void register_page_benchmarks(const Scale &scale)
{
    const auto job = std::make_shared<const QString>(plotter_job(scale.job_chars, scale.job_pages));
    const int pages = scale.job_pages;

    configure(benchmark::RegisterBenchmark("set_plt", [job, pages](benchmark::State &state) {
        VXLT3050PROCam root;
        QScopedPointer<VXDeviceInterface> device(root.initInstance());
        for (auto _ : state)
            device->setPlt(*job);
        const QString first = device->property_ptr("TASK_PPLT")->value().toString();
        if (first.isEmpty() || !job->startsWith(first))
            state.SkipWithError("the first page is not the job's start");
        state.counters["bytes"] = double(job->size());
        state.counters["pages"] = pages;
    }), scale);

    configure(benchmark::RegisterBenchmark("pg_search", [job, pages](benchmark::State &state) {
        // Summed, not passed through DoNotOptimize: the sum keeps every call.
        qint64 found = 0;
        for (auto _ : state)
            found += count_page_ends(*job);
        if (found != qint64(pages) * state.iterations())
            state.SkipWithError("the search miscounted");
        state.counters["bytes"] = double(job->size());
    }), scale);
}

} // namespace vxbench

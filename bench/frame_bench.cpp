// Building one big PPLT frame against copying the same number of bytes.
#include "bench_data.h"
#include "bench_scale.h"
#include "vxdeviceproperty.h"

#include <benchmark/benchmark.h>

namespace vxbench {

void register_frame_benchmarks(const Scale &scale)
{
    const QString page = plotter_job(scale.page_bytes, 1);

    configure(benchmark::RegisterBenchmark("frame_build", [page](benchmark::State &state) {
        VXDeviceProperty property;
        property.init(page, QStringLiteral("pplt"), QString(), 0, 1, 1, VXDeviceInterface::PPLT, QStringList());
        QByteArray frame;
        for (auto _ : state) {
            frame = property.set_cmd_bytes();
            benchmark::DoNotOptimize(frame.constData());
        }
        if (!frame.endsWith("PG;\x03") || frame.size() <= page.size())
            state.SkipWithError("the frame does not carry the page");
    }), scale);

    configure(benchmark::RegisterBenchmark("frame_copy", [page](benchmark::State &state) {
        const QByteArray bytes = page.toUtf8();
        for (auto _ : state) {
            QByteArray copy(bytes.constData(), bytes.size());
            benchmark::DoNotOptimize(copy.data());
            benchmark::ClobberMemory();
        }
    }), scale);
}

} // namespace vxbench

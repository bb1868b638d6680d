// Many reply frames in one USB read through a machine instance, against a
// bare STX/ETX scan of the same bytes, at growing sizes: how time per
// frame grows shows whether the path is linear.
#include "bench_data.h"
#include "vxcommoninterface_p.h"
#include "bench_scale.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"

#include <benchmark/benchmark.h>

#include <QtCore/QScopedPointer>

#include <memory>

namespace vxbench {

namespace {

struct ReceiveInput
{
    QByteArray bytes;
    QString job; // one page per "page done" reply, and one more
    int frames = 0;
};

std::shared_ptr<const ReceiveInput> make_input(int frames, bool with_progress)
{
    auto input = std::make_shared<ReceiveInput>();
    input->frames = frames;
    input->bytes = reply_frames(frames, with_progress);
    const int pages = page_done_frames(frames) + 1;
    input->job = plotter_job(qint64(pages) * 16, pages);
    return input;
}

// The last settings reply and the last page show every frame was taken.
QString check_device(VXDeviceInterface *device, const ReceiveInput &input)
{
    const int last_setting = (input.frames - 1) / 3 * 3;
    if (device->property_ptr("SPEED")->value().toUInt() != uint(100 + last_setting % 200))
        return QStringLiteral("settings replies were lost");
    const QString page = device->property_ptr("TASK_PPLT")->value().toString();
    if (!input.job.endsWith(page))
        return QStringLiteral("pages did not advance to the last one");
    return QString();
}

void receive(benchmark::State &state, std::shared_ptr<const ReceiveInput> input)
{
    VXLT3050PROCam root;
    QString problem;
    for (auto _ : state) {
        state.PauseTiming();
        // A fresh instance each time: nothing left from an earlier read.
        QScopedPointer<VXDeviceInterface> device(root.initInstance());
        auto *machine = static_cast<VXLT3050PROCam *>(device.data());
        machine->setPlt(input->job);
        state.ResumeTiming();
        VXCommonInterfacePrivate::get(machine)->slot_usb_read(input->bytes);
        state.PauseTiming();
        problem = check_device(device.data(), *input);
        device.reset();
        state.ResumeTiming();
    }
    if (!problem.isEmpty())
        state.SkipWithError(problem.toUtf8().constData());
    state.counters["frames"] = input->frames;
}

void scan(benchmark::State &state, std::shared_ptr<const ReceiveInput> input)
{
    // Summed, not passed through DoNotOptimize: the sum keeps every call.
    qint64 frames = 0;
    for (auto _ : state)
        frames += scan_frames(input->bytes);
    if (frames != qint64(input->frames) * state.iterations())
        state.SkipWithError("the scan miscounted");
    state.counters["frames"] = input->frames;
}

void register_sizes(const Scale &scale, const QVector<int> &sizes, bool with_progress)
{
    const std::string prefix = with_progress ? "receive_mixed_" : "receive_plain_";
    for (int i = 0; i < sizes.size(); ++i) {
        const auto input = make_input(sizes.at(i), with_progress);
        const std::string name = prefix + std::to_string(i);
        // Larger sizes take seconds a read: fewer repetitions, the same frames.
        const int repetitions = i + 1 == sizes.size() ? 1 : scale.repetitions;
        configure(benchmark::RegisterBenchmark(name.c_str(), receive, input), scale, i == 0 ? 5 : 1)
            ->Repetitions(repetitions);
        configure(benchmark::RegisterBenchmark((name + "_scan").c_str(), scan, input), scale);
    }
}

} // namespace

void register_receive_benchmarks(const Scale &scale)
{
    register_sizes(scale, scale.mixed_frames, true);
    register_sizes(scale, scale.plain_frames, false);
}

} // namespace vxbench

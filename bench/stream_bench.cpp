// A job streamed page by page from a machine instance to a controller
// process over TCP loopback, against a plain QTcpSocket sending the same
// bytes to a process that only reads them.
#include "bench_data.h"
#include "bench_scale.h"
#include "frame.h"
#include "helper_process.h"
#include "trace_format.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"

#include <benchmark/benchmark.h>

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QFile>
#include <QtCore/QScopedPointer>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtNetwork/QTcpSocket>

#include <algorithm>
#include <functional>
#include <vector>
#include <memory>

namespace vxbench {

namespace {

constexpr int kWaitMs = 120000;

// Runs the loop until `done` holds or the time is up; whatever makes `done`
// true quits the loop.
bool run_until(QEventLoop &loop, const std::function<bool()> &done, int timeout_ms)
{
    bool timed_out = false;
    QTimer::singleShot(timeout_ms, &loop, [&] {
        timed_out = true;
        loop.quit();
    });
    while (!done() && !timed_out)
        loop.exec();
    return done();
}

// Polls `done` every millisecond: for waits outside the timed part.
bool poll_until(const std::function<bool()> &done, int timeout_ms)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(1);
    return run_until(loop, done, timeout_ms);
}

// Lines the recorder had to leave out, noted in the traces in `folder`.
int gap_lines(const QString &folder)
{
    int gaps = 0;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files)) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        while (!file.atEnd())
            gaps += file.readLine().contains("\"event\":\"gap\"") ? 1 : 0;
    }
    return gaps;
}

bool attach(VXDeviceInterface *device, quint16 port)
{
    device->property_ptr("TCP_PORT")->setValue(int(port));
    device->setIPAddress(QStringLiteral("127.0.0.1"));
    if (!device->connectDevice())
        return false;
    return poll_until([device] {
        return device->property_ptr("STATUS")->value().toInt() == VXDeviceInterface::Working;
    }, 5000);
}

// One job, its time from startTask to the end of the copy, and what the
// peer and the trace made of it; seconds < 0 when it did not finish.
struct JobRun
{
    double seconds = -1;
    const char *error = nullptr;
    QMap<QString, double> figures;
    int gap_lines = 0;
    qint64 close_ms = 0;
};

// Traced: the device records its session as a host's would with
// VX_TRACE_DIR set, every page included.
JobRun run_job(const QString &job, const Scale &scale, bool traced)
{
    JobRun run;
    QTemporaryDir trace_folder;
    HelperProcess peer(scale.helper_dir + QStringLiteral("/vxbench_peer"), {QStringLiteral("reply")});
    const quint16 port = peer.wait_port(5000);
    if (traced)
        qputenv(vx::trace::kFolderVariable, QFile::encodeName(trace_folder.path()));
    VXLT3050PROCam root;
    QScopedPointer<VXDeviceInterface> device(root.initInstance());
    qunsetenv(vx::trace::kFolderVariable);
    if (!port || !attach(device.data(), port)) {
        run.error = "the device did not connect to the peer";
        return run;
    }
    device->setPlt(job);
    bool finished = false;
    QElapsedTimer clock;
    clock.start();
    device->startTask();
    // Only the end of the copy reports a task message after the start.
    QEventLoop loop;
    QObject::connect(device.data(), &VXDeviceInterface::message, &loop, [&](auto kind, const QString &) {
        if (kind == VXDeviceInterface::DevTasK) {
            finished = true;
            loop.quit();
        }
    });
    const bool in_time = run_until(loop, [&finished] { return finished; }, kWaitMs);
    const double seconds = clock.nsecsElapsed() / 1e9;

    clock.restart();
    device.reset(); // closes the connection and the trace: the peer reports and ends
    run.close_ms = clock.elapsed();
    run.figures = peer.finish(10000);
    if (traced)
        run.gap_lines = gap_lines(trace_folder.path());
    if (!in_time || run.figures.value(QStringLiteral("pages")) != scale.stream_bytes / scale.stream_page)
        run.error = "the peer did not receive every page";
    else
        run.seconds = seconds;
    return run;
}

void stream_device(benchmark::State &state, std::shared_ptr<const QString> job, const Scale &scale)
{
    JobRun run;
    for (auto _ : state) {
        run = run_job(*job, scale, false);
        if (run.error) {
            state.SkipWithError(run.error);
            break;
        }
        state.SetIterationTime(run.seconds);
    }
    state.counters["bytes"] = double(scale.stream_bytes);
    state.counters["first_byte_us"] = run.figures.value(QStringLiteral("first_byte_median_us"));
    state.counters["whole_page_us"] = run.figures.value(QStringLiteral("whole_page_median_us"));
}

// The job with and without a trace, in turns (untraced, traced, traced,
// untraced, ...) so that a shared machine's slow spells fall on both: the
// cost is the median of the pairs' ratios. The trace must be whole.
void stream_trace_cost(benchmark::State &state, std::shared_ptr<const QString> job, const Scale &scale)
{
    std::vector<double> ratios;
    double gaps = 0;
    double close_ms = 0;
    for (auto _ : state) {
        const bool traced_first = ratios.size() % 2 == 1;
        JobRun first = run_job(*job, scale, traced_first);
        JobRun second = run_job(*job, scale, !traced_first);
        const JobRun &traced = traced_first ? first : second;
        const JobRun &plain = traced_first ? second : first;
        if (traced.error || plain.error) {
            state.SkipWithError(traced.error ? traced.error : plain.error);
            break;
        }
        state.SetIterationTime(traced.seconds);
        ratios.push_back(traced.seconds / plain.seconds);
        gaps += traced.gap_lines;
        close_ms = std::max(close_ms, double(traced.close_ms));
    }
    if (ratios.empty())
        return;
    std::sort(ratios.begin(), ratios.end());
    state.counters["bytes"] = double(scale.stream_bytes);
    state.counters["cost_median"] = ratios[ratios.size() / 2];
    state.counters["cost_best"] = ratios.front();
    state.counters["cost_worst"] = ratios.back();
    state.counters["pairs"] = double(ratios.size());
    state.counters["trace_gap_lines"] = gaps;
    state.counters["close_ms"] = close_ms;
}

void stream_plain(benchmark::State &state, std::shared_ptr<const QString> job, const Scale &scale)
{
    const QString peer_program = scale.helper_dir + QStringLiteral("/vxbench_peer");
    const QByteArray bytes = job->toUtf8();
    for (auto _ : state) {
        state.PauseTiming();
        HelperProcess peer(peer_program, {QStringLiteral("sink"), QString::number(bytes.size())});
        const quint16 port = peer.wait_port(5000);
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        if (!port || !socket.waitForConnected(5000)) {
            state.SkipWithError("the plain socket did not connect");
            break;
        }
        state.ResumeTiming();

        for (int at = 0; at < bytes.size(); at += scale.stream_page)
            socket.write(bytes.constData() + at, qMin(scale.stream_page, bytes.size() - at));
        QEventLoop loop;
        QObject::connect(&socket, &QTcpSocket::readyRead, &loop, &QEventLoop::quit);
        const bool in_time = run_until(loop, [&socket] { return socket.bytesAvailable() > 0; }, kWaitMs);

        state.PauseTiming();
        socket.close();
        const QMap<QString, double> figures = peer.finish(10000);
        state.ResumeTiming();
        if (!in_time || figures.value(QStringLiteral("bytes")) != bytes.size()) {
            state.SkipWithError("the sink did not receive every byte");
            break;
        }
    }
    state.counters["bytes"] = double(bytes.size());
}

// The same exchange without the plugin: a plain socket answers each "4,0"
// with the next page frame, built beforehand.
void stream_echo(benchmark::State &state, std::shared_ptr<const QString> job, const Scale &scale)
{
    const QString peer_program = scale.helper_dir + QStringLiteral("/vxbench_peer");
    QList<QByteArray> frames;
    for (int at = 0; at < job->size(); at += scale.stream_page)
        frames << vx::frame("PPLT", job->mid(at, scale.stream_page).toUtf8());
    QMap<QString, double> figures;
    for (auto _ : state) {
        state.PauseTiming();
        HelperProcess peer(peer_program, {QStringLiteral("reply")});
        const quint16 port = peer.wait_port(5000);
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        if (!port || !socket.waitForConnected(5000)) {
            state.SkipWithError("the echo socket did not connect");
            break;
        }
        int sent = 0;
        int answered = 0;
        QEventLoop loop;
        QObject::connect(&socket, &QTcpSocket::readyRead, &loop, [&] {
            answered += socket.readAll().count(vx::ETX);
            while (sent <= answered && sent < frames.size())
                socket.write(frames.at(sent++));
            if (answered >= frames.size())
                loop.quit();
        });
        state.ResumeTiming();

        socket.write(frames.at(sent++));
        const bool in_time = run_until(loop, [&] { return answered >= frames.size(); }, kWaitMs);

        state.PauseTiming();
        socket.close();
        figures = peer.finish(10000);
        state.ResumeTiming();
        if (!in_time || figures.value(QStringLiteral("pages")) != frames.size()) {
            state.SkipWithError("the peer did not receive every page");
            break;
        }
    }
    state.counters["bytes"] = double(scale.stream_bytes);
    state.counters["first_byte_us"] = figures.value(QStringLiteral("first_byte_median_us"));
    state.counters["whole_page_us"] = figures.value(QStringLiteral("whole_page_median_us"));
}

} // namespace

void register_stream_benchmarks(const Scale &scale)
{
    const auto job = std::make_shared<const QString>(
        plotter_job(scale.stream_bytes, int(scale.stream_bytes / scale.stream_page)));
    // Timed by the jobs themselves: making the peer and the device is not the stream.
    benchmark::RegisterBenchmark("stream_device", stream_device, job, scale)
        ->UseManualTime()
        ->Repetitions(scale.repetitions)
        ->Iterations(1);
    benchmark::RegisterBenchmark("stream_trace_cost", stream_trace_cost, job, scale)
        ->UseManualTime()
        ->Iterations(scale.trace_pairs);
    configure(benchmark::RegisterBenchmark("stream_plain", stream_plain, job, scale), scale, 1);
    configure(benchmark::RegisterBenchmark("stream_echo", stream_echo, job, scale), scale, 1);
}

} // namespace vxbench

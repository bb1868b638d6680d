#pragma once

#include <benchmark/benchmark.h>

#include <QtCore/QString>
#include <QtCore/QVector>
#include <QtCore/QtGlobal>

namespace vxbench {

// The sizes of one run: the real ones, or tiny ones for the smoke test.
struct Scale
{
    bool smoke = false;
    int page_bytes = 1 << 20;          // frame building: one PPLT page
    // Receive path: frames in one read, with progress reports (their cost
    // grows with the reports before them, so the sizes stay small) and
    // without them.
    QVector<int> mixed_frames{10000, 100000, 300000};
    QVector<int> plain_frames{100000, 1000000, 10000000};
    qint64 job_chars = 100LL << 20;    // page splitting: the job's text
    int job_pages = 10000;
    qint64 stream_bytes = 64LL << 20;  // streaming: the job sent page by page
    int stream_page = 64 << 10;
    QVector<int> fleet_sizes{10, 100}; // machines driven at once, each against the first
    qint64 design_bytes = 35LL << 20;  // designs: an HP-GL file as an exporter writes it
    int design_pages = 10;
    qint64 svg_bytes = 1 << 20;        // and an SVG drawing
    int console_pages = 200;           // the console: a job of 20 KB pages
    int console_pairs = 5;             // with and without the window, in turns
    int repetitions = 3;               // the fastest repetition counts
    int trace_pairs = 15;              // jobs with and without a trace, in turns
    double min_time = 0.5;             // seconds a timed loop runs at least
    QString helper_dir;                // where the helper programs and vxsim are

    static Scale full() { return Scale(); }
    static Scale tiny()
    {
        Scale s;
        s.smoke = true;
        s.page_bytes = 4 << 10;
        s.mixed_frames = {300, 3000};
        s.plain_frames = {300, 3000};
        s.job_chars = 100 << 10;
        s.job_pages = 10;
        s.stream_bytes = 256 << 10;
        s.fleet_sizes = {2, 4};
        s.design_bytes = 100 << 10;
        s.design_pages = 2;
        s.svg_bytes = 20 << 10;
        s.console_pages = 5;
        s.console_pairs = 1;
        s.repetitions = 1;
        s.trace_pairs = 1;
        s.min_time = 0.001;
        return s;
    }
};

// Applies the scale's repetitions and either a fixed iteration count or
// the minimum time; real (wall) time counts.
inline benchmark::internal::Benchmark *configure(benchmark::internal::Benchmark *b, const Scale &scale,
                                                 int iterations = 0)
{
    b->UseRealTime()->Repetitions(scale.repetitions);
    return iterations > 0 ? b->Iterations(iterations) : b->MinTime(scale.min_time);
}

// Registers each measurement and its baseline with the benchmark library.
void register_frame_benchmarks(const Scale &scale);
void register_receive_benchmarks(const Scale &scale);
void register_page_benchmarks(const Scale &scale);
void register_stream_benchmarks(const Scale &scale);
void register_fleet_benchmarks(const Scale &scale);
// The design file the design benchmarks read, written once.
QString design_file_path(const Scale &scale);

} // namespace vxbench

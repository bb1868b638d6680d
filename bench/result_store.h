#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace vxbench {

// What one benchmark measured: the fastest repetition's seconds per
// iteration and its counters, or the error it stopped with.
struct Measured
{
    double seconds = 0;
    std::map<std::string, double> counters;
    std::string error;
};

// Collects every run instead of printing it; the table is printed once,
// from the collected figures, after all benchmarks ran.
class ResultStore : public benchmark::BenchmarkReporter
{
public:
    bool ReportContext(const Context &) override { return true; }
    void ReportRuns(const std::vector<Run> &runs) override;

    // The figure of a benchmark by its registered name; null when it did not run.
    const Measured *find(const std::string &name) const;
    // Extra figures measured outside the benchmark library (other processes).
    void put(const std::string &name, const Measured &measured) { m_results[name] = measured; }
    bool any_error() const;

private:
    std::map<std::string, Measured> m_results;
};

} // namespace vxbench

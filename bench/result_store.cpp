#include "result_store.h"

#include <iostream>

namespace vxbench {

void ResultStore::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        if (run.run_type != Run::RT_Iteration)
            continue;
        const std::string name = run.run_name.function_name;
        Measured &slot = m_results[name];
        if (run.error_occurred) {
            slot.error = run.error_message;
            std::cerr << name << ": " << run.error_message << '\n';
            continue;
        }
        const double seconds = run.real_accumulated_time / double(run.iterations);
        if (slot.seconds == 0 || seconds < slot.seconds) {
            slot.seconds = seconds;
            slot.counters.clear();
            for (const auto &counter : run.counters)
                slot.counters[counter.first] = counter.second.value;
        }
        std::cerr << "  " << name << ": " << seconds * 1e3 << " ms\n";
    }
}

const Measured *ResultStore::find(const std::string &name) const
{
    const auto it = m_results.find(name);
    return it == m_results.end() ? nullptr : &it->second;
}

bool ResultStore::any_error() const
{
    for (const auto &entry : m_results) {
        if (!entry.second.error.empty())
            return true;
    }
    return false;
}

} // namespace vxbench

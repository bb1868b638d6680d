#pragma once

#include "bench_scale.h"
#include "result_store.h"

#include <ostream>

namespace vxbench {

// Runs the memory probe once per measurement, each in its own process,
// and stores "peak_set_plt" and "peak_search" (seconds unused).
void measure_peaks(const Scale &scale, ResultStore &store);

// Runs the design measurements (vxbench_design) and stores "design_read",
// "design_split", "design_picture", "svg_import" and "peak_design".
void measure_design(const Scale &scale, ResultStore &store);

// Runs the console's measurements (vxbench_console) and stores
// "console_open", "console_stall" and "console_turnaround".
void measure_console(const Scale &scale, ResultStore &store);

// Prints the one table of figures, ratios and targets as Markdown.
void print_table(const ResultStore &store, const Scale &scale, std::ostream &out);

} // namespace vxbench

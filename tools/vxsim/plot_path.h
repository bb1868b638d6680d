#pragma once

#include <QtCore/QByteArray>

namespace vx::sim {

constexpr double kPlotterUnitsPerMm = 40.0;

// Head travel in mm for one piece of plotter text: every PU and PD move,
// pen up or down, starting at the origin. PA and PR switch between absolute
// and relative coordinates; other commands do not move the head.
double plot_path_length_mm(const QByteArray &plotter_text);

} // namespace vx::sim

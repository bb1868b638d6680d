#pragma once

#include <QtCore/QByteArray>

// Designs as real producers write them, for the design and console
// benchmarks; plain data, so that programs linking the plugin as a host
// can use them beside programs linking its code.
namespace vxbench {

// HP-GL of about `bytes` bytes as a vector editor's exporter writes it:
// outlines of many points, one PD command each, some circles and arcs,
// and `pages` page advances.
QByteArray design_hpgl(qint64 bytes, int pages);

// An SVG drawing of about `bytes` bytes as a vector editor saves it: mm,
// layers, transformed groups and paths of relative cubic curves.
QByteArray design_svg(qint64 bytes);

} // namespace vxbench

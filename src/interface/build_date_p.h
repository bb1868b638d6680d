#pragma once

#include <QtCore/QString>

namespace vx {

// Turns a compiler date stamp such as "Jun 27 2025" or "Jun  7 2025" into
// "2025 - 06 - 27"; empty when the stamp does not parse.
QString build_date_from_stamp(const char *stamp);

} // namespace vx

#pragma once

#include <QtCore/QString>

namespace vx::sim {

// The controller model and examples, shown by "vxsim --help".
QString usage_description();

} // namespace vx::sim

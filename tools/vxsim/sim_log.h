#pragma once

#include <QtCore/QLoggingCategory>

// Debug lines of the controller simulator ("vx.sim").
Q_DECLARE_LOGGING_CATEGORY(lcSim)

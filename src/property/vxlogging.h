#pragma once

#include <QtCore/QLoggingCategory>

// One category per subsystem, quiet below info by default; switch the debug
// lines on with QT_LOGGING_RULES, e.g.
// QT_LOGGING_RULES="vx.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcProperty)
Q_DECLARE_LOGGING_CATEGORY(lcDriver)
Q_DECLARE_LOGGING_CATEGORY(lcCloud)
Q_DECLARE_LOGGING_CATEGORY(lcMachine)

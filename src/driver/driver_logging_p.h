#pragma once

#include <QtCore/QLoggingCategory>

// Quiet below info by default: QT_LOGGING_RULES="vx.*.debug=true" turns the
// debug lines on.
Q_DECLARE_LOGGING_CATEGORY(lcDriver)

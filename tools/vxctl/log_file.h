#pragma once

#include <QtCore/QLoggingCategory>
#include <QtCore/QString>

Q_DECLARE_LOGGING_CATEGORY(lcCtl)

// --log FILE: the plugin's and vxctl's log lines, debug included, go to
// the file (appended) instead of stderr; QT_LOGGING_RULES still narrows
// them. False with the reason when the file cannot be opened.
bool start_log_file(const QString &path, QString *error);

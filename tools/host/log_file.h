#pragma once

#include <QtCore/QLoggingCategory>
#include <QtCore/QString>

Q_DECLARE_LOGGING_CATEGORY(lcCtl)

// On the operator's terminal only the plugin's and vxctl's own log lines
// (vx.*) appear; Qt's own notes ("XDG_RUNTIME_DIR not set") are of no use
// there and are dropped, unless fatal. --log FILE still takes them all.
void keep_qt_notes_off_terminal();

// --log FILE: the plugin's and vxctl's log lines, debug included, go to
// the file (appended) instead of stderr; QT_LOGGING_RULES still narrows
// them. False with the reason when the file cannot be opened.
bool start_log_file(const QString &path, QString *error);

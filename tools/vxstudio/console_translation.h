#pragma once

#include <QtCore/QString>

class QCoreApplication;

// Installs the console's own translation for the system locale
// (vxstudio_<locale>.qm, e.g. vxstudio_ja_JP.qm) on the application; the
// plugin brings its labels' translation itself. False when there is none
// for the locale: the console reads as written, in English.
bool install_console_translation(QCoreApplication &app, const QString &locale_name);

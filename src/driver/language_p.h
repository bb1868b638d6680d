#pragma once

#include <QtCore/QString>

namespace vx {

// The translation a machine loads for a system locale name: Japanese for
// "ja_JP", none for "zh_CN" (the labels are written in Chinese), English
// for everything else.
QString language_code_for(const QString &locale_name);

} // namespace vx

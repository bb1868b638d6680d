#include "language_p.h"

namespace vx {

QString language_code_for(const QString &locale_name)
{
    if (locale_name == QLatin1String("ja_JP"))
        return QStringLiteral("ja_JP");
    if (locale_name == QLatin1String("zh_CN"))
        return QLatin1String("");
    return QStringLiteral("en_US");
}

} // namespace vx

#include "build_date_p.h"

#include <QtCore/QDate>
#include <QtCore/QLocale>

namespace vx {

QString build_date_from_stamp(const char *stamp)
{
    const QLocale english(QLocale::English);
    const QString text = QString::fromLatin1(stamp);
    const QString outFormat = QStringLiteral("yyyy - MM - dd");
    QString result = english.toDate(text, QStringLiteral("MMM dd yyyy")).toString(outFormat);
    if (result.isEmpty()) // a space-padded day of the month
        result = english.toDate(text, QStringLiteral("MMM  d yyyy")).toString(outFormat);
    return result;
}

} // namespace vx

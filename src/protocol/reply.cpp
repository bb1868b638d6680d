#include "reply.h"

namespace vx::protocol {

Reply parse_reply(const QString &text)
{
    Reply reply;
    reply.text = text;
    const QStringList parts = text.split(QLatin1Char(';'));
    if (parts.size() < 3)
        return reply;
    reply.complete = true;
    reply.body = parts.at(2);
    if (parts.at(1) == QLatin1String("CMD")) {
        reply.kind = FrameKind::CMD;
        // Every field is closed by ';': what follows the last one is not a field.
        for (int i = 2; i < parts.size() - 1; ++i) {
            QString name;
            QString value;
            int number = 0;
            parse_cmd_field(parts.at(i), name, number, value);
            if (i == 2)
                reply.code = number;
            reply.fields << value;
        }
    } else if (parts.at(1) == QLatin1String("CCMD")) {
        reply.kind = FrameKind::CCMD;
        reply.items = reply.body.split(QLatin1Char(','));
        reply.code = reply.items.first().toInt();
    }
    return reply;
}

// The field is text already (the frame was decoded as UTF-8 once): it is
// split as it is, so a value keeps every character it carries.
void parse_cmd_field(const QString &field, QString &name, int &number, QString &value)
{
    const int colon = field.lastIndexOf(QLatin1Char(':'));
    value = field.mid(colon + 1);

    int letters = 0;
    while (letters < field.size() && field.at(letters) >= QLatin1Char('A') && field.at(letters) <= QLatin1Char('Z'))
        ++letters;
    name = field.left(letters);

    const int number_end = colon > letters ? colon : (colon < 0 ? field.size() : letters);
    // 0 when not a number. Read in place: Qt 6 has no QStringRef, and
    // Qt 5's QStringView has no toInt().
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    number = QStringView(field).mid(letters, number_end - letters).toInt();
#else
    number = field.midRef(letters, number_end - letters).toInt();
#endif
}

} // namespace vx::protocol

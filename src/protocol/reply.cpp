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

void parse_cmd_field(const QString &field, QString &name, int &number, QString &value)
{
    const QByteArray bytes = field.toLatin1();
    const int colon = bytes.lastIndexOf(':');
    value = QString::fromUtf8(bytes.mid(colon + 1));

    int letters = 0;
    while (letters < bytes.size() && bytes.at(letters) >= 'A' && bytes.at(letters) <= 'Z')
        ++letters;
    name = QString::fromLatin1(bytes.left(letters));

    const int number_end = colon > letters ? colon : (colon < 0 ? bytes.size() : letters);
    number = bytes.mid(letters, number_end - letters).toInt(); // 0 when not a number
}

} // namespace vx::protocol

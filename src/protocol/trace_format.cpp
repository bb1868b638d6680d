#include "trace_format.h"

#include <QtCore/QFile>
#include <QtCore/QJsonDocument>

namespace vx::trace {

bool is_utf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = p + bytes.size();
    static const uint kShortest[] = {0, 0x80, 0x800, 0x10000};
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        int follow = 0;
        uint code = 0;
        if ((*p & 0xE0) == 0xC0) {
            follow = 1;
            code = *p & 0x1F;
        } else if ((*p & 0xF0) == 0xE0) {
            follow = 2;
            code = *p & 0x0F;
        } else if ((*p & 0xF8) == 0xF0) {
            follow = 3;
            code = *p & 0x07;
        } else {
            return false;
        }
        if (end - p <= follow)
            return false;
        for (int i = 1; i <= follow; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        // Overlong forms and surrogates would not come back byte for byte.
        if (code < kShortest[follow] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += follow + 1;
    }
    return true;
}

// Runs of plain bytes are copied whole: pages are large.
void append_json_string(QByteArray &line, const QByteArray &utf8)
{
    static const char kHex[] = "0123456789abcdef";
    line += '"';
    const char *data = utf8.constData();
    int run = 0;
    for (int i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(data[i]);
        if (c >= 0x20 && c != '"' && c != '\\' && c != 0x7F)
            continue;
        line.append(data + run, i - run);
        run = i + 1;
        if (c == '"' || c == '\\') {
            line += '\\';
            line += char(c);
        } else {
            const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
            line.append(escape, sizeof escape);
        }
    }
    line.append(data + run, utf8.size() - run);
    line += '"';
}

void append_bytes_field(QByteArray &line, const QByteArray &bytes)
{
    if (is_utf8(bytes)) {
        line += "\"text\":";
        append_json_string(line, bytes);
    } else {
        line += "\"base64\":\"" + bytes.toBase64() + '"';
    }
}

namespace {

Line line_from(const QJsonObject &object)
{
    Line line;
    line.object = object;
    line.t_us = qint64(object.value(QLatin1String("t")).toDouble());
    line.link = object.value(QLatin1String("link")).toString();
    const QString dir = object.value(QLatin1String("dir")).toString();
    const QString event = object.value(QLatin1String("event")).toString();
    if (object.contains(QLatin1String("vx_trace"))) {
        line.kind = Line::Header;
    } else if (dir == QLatin1String("tx") || dir == QLatin1String("rx")) {
        line.kind = dir == QLatin1String("tx") ? Line::Sent : Line::Received;
        line.bytes = object.contains(QLatin1String("base64"))
            ? QByteArray::fromBase64(object.value(QLatin1String("base64")).toString().toLatin1())
            : object.value(QLatin1String("text")).toString().toUtf8();
    } else if (event == QLatin1String("message")) {
        line.kind = Line::Message;
        line.event = object.value(QLatin1String("kind")).toString();
        line.text = object.value(QLatin1String("text")).toString();
    } else if (!event.isEmpty()) {
        line.kind = Line::LinkEvent;
        line.event = event;
    }
    return line;
}

} // namespace

bool read_trace(const QString &path, QList<Line> *lines, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QByteArray text = file.readLine().trimmed();
        if (text.isEmpty())
            continue;
        QJsonParseError parse;
        const QJsonDocument document = QJsonDocument::fromJson(text, &parse);
        if (!document.isObject()) {
            *error = QStringLiteral("%1:%2: not a trace line (%3)").arg(path).arg(number).arg(parse.errorString());
            return false;
        }
        Line line = line_from(document.object());
        line.number = number;
        lines->append(line);
    }
    return true;
}

} // namespace vx::trace

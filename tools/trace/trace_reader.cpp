#include "trace_reader.h"

#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>

namespace vx::trace {

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

bool Reader::open(const QString &path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read %1: %2").arg(path, m_file.errorString());
        return false;
    }
    Line first;
    if (!next(&first)) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("%1 is not a trace: it is empty").arg(path);
        return false;
    }
    if (first.kind != Line::Header) {
        m_error = QStringLiteral("%1 is not a trace: its first line is no trace header").arg(path);
        return false;
    }
    const QJsonValue version = first.object.value(QLatin1String("vx_trace"));
    if (version != QJsonValue(kFormatVersion)) {
        const QString shown = QString::fromUtf8(QJsonDocument(QJsonArray{version}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
        m_error = QStringLiteral("%1: trace format version %2 is not one this program reads (it reads version %3)")
                      .arg(path, shown).arg(kFormatVersion);
        return false;
    }
    m_header = first.object;
    return true;
}

bool Reader::next(Line *line)
{
    QByteArray text;
    if (!read_line(&text))
        return false;
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parse);
    if (!document.isObject()) {
        // A strict beginning of an object never parses as one: a last line
        // without its end that fails to parse was cut off. A file that is
        // only that is no trace.
        if (m_file.atEnd() && !m_ended && !m_header.isEmpty()) {
            m_warning = QStringLiteral("%1:%2: the last line is cut off after %3 bytes; read up to the line before it")
                            .arg(m_file.fileName()).arg(m_number).arg(text.size());
            return false;
        }
        m_error = QStringLiteral("%1:%2: not a trace line (%3)").arg(m_file.fileName()).arg(m_number).arg(parse.errorString());
        return false;
    }
    *line = line_from(document.object());
    line->number = m_number;
    return true;
}

bool Reader::read_line(QByteArray *text)
{
    char part[64 * 1024];
    for (;;) {
        text->clear();
        m_ended = false;
        if (m_file.atEnd())
            return false;
        ++m_number;
        while (!m_file.atEnd()) {
            const qint64 got = m_file.readLine(part, sizeof part);
            if (got < 0) {
                m_error = QStringLiteral("cannot read %1: %2").arg(m_file.fileName(), m_file.errorString());
                return false;
            }
            text->append(part, int(got));
            if (text->endsWith('\n')) {
                m_ended = true;
                break;
            }
            if (text->size() > kMaxLineBytes) {
                m_error = QStringLiteral("%1:%2: not a trace line (longer than %3 MiB)")
                              .arg(m_file.fileName()).arg(m_number).arg(kMaxLineBytes >> 20);
                return false;
            }
        }
        *text = text->trimmed();
        if (!text->isEmpty())
            return true;
    }
}

} // namespace vx::trace

#include "trace_frames.h"

#include "frame.h"
#include "receive_buffer.h"
#include "trace_format.h"

#include <QtCore/QHash>

#include <memory>

namespace {

using vx::protocol::FrameKind;

TraceRow frame_row(TraceRow::Kind kind, const vx::trace::Line &line, const QByteArray &frame)
{
    TraceRow row;
    row.kind = kind;
    row.t_us = line.t_us;
    row.link = line.link;
    row.frame = frame;
    row.reply = vx::protocol::parse_reply(vx::frame_text(frame));
    row.name = row.reply.text.section(QLatin1Char(';'), 1, 1);
    // What the dispatcher returns from before looking at it.
    row.malformed = kind == TraceRow::Received && (!row.reply.complete || row.reply.kind == FrameKind::None);
    return row;
}

} // namespace

bool read_session(const QString &path, TraceSession *session, QString *error)
{
    QList<vx::trace::Line> lines;
    if (!vx::trace::read_trace(path, &lines, error))
        return false;
    if (lines.isEmpty() || lines.first().kind != vx::trace::Line::Header) {
        *error = QStringLiteral("%1 is not a trace: its first line is no trace header").arg(path);
        return false;
    }
    session->header = lines.first().object;
    QHash<QString, std::shared_ptr<vx::ReceiveBuffer>> buffers; // one per link, as in the plugin
    qint64 received = 0;
    qint64 in_frames = 0;
    for (const vx::trace::Line &line : qAsConst(lines)) {
        switch (line.kind) {
        case vx::trace::Line::Sent:
            session->rows << frame_row(TraceRow::Sent, line, line.bytes);
            break;
        case vx::trace::Line::Received: {
            std::shared_ptr<vx::ReceiveBuffer> &buffer = buffers[line.link];
            if (!buffer)
                buffer = std::make_shared<vx::ReceiveBuffer>();
            received += line.bytes.size();
            for (const QByteArray &frame : buffer->feed(line.bytes)) {
                in_frames += frame.size();
                session->rows << frame_row(TraceRow::Received, line, frame);
            }
            break;
        }
        case vx::trace::Line::LinkEvent:
        case vx::trace::Line::Message: {
            TraceRow row;
            row.kind = line.kind == vx::trace::Line::Message ? TraceRow::Message : TraceRow::LinkEvent;
            row.t_us = line.t_us;
            row.link = line.link;
            row.event = line.event;
            row.text = line.text;
            session->rows << row;
            break;
        }
        case vx::trace::Line::Header:
        case vx::trace::Line::Unknown:
            break;
        }
    }
    session->stray_bytes = received - in_frames;
    return true;
}

QString printable_bytes(const QByteArray &bytes)
{
    QString text;
    const bool utf8 = vx::trace::is_utf8(bytes);
    for (const QChar c : (utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes))) {
        if (c == QChar(vx::STX))
            text += QChar(0x2402);
        else if (c == QChar(vx::ETX))
            text += QChar(0x2403);
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F || (!utf8 && c.unicode() >= 0x80))
            text += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            text += c;
    }
    return text;
}

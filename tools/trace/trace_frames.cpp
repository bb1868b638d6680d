#include "trace_frames.h"

#include "frame.h"

namespace {

using vx::protocol::FrameKind;

// A device has a link or two; more in a file is no recording of one, and
// each would hold a receive buffer.
constexpr int kMaxLinks = 16;

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

bool TraceRows::open(const QString &path)
{
    return m_reader.open(path);
}

bool TraceRows::next(TraceRow *row)
{
    while (m_waiting.isEmpty()) {
        if (!read_line())
            return false;
    }
    *row = m_waiting.takeFirst();
    return true;
}

// Rows for the next line; none for a header or an unknown line, or for
// bytes that complete no frame.
bool TraceRows::read_line()
{
    vx::trace::Line line;
    if (!m_error.isEmpty() || !m_reader.next(&line))
        return false;
    switch (line.kind) {
    case vx::trace::Line::Sent:
        m_waiting << frame_row(TraceRow::Sent, line, line.bytes);
        break;
    case vx::trace::Line::Received: {
        std::shared_ptr<vx::ReceiveBuffer> &buffer = m_buffers[line.link];
        if (!buffer) {
            if (m_buffers.size() > kMaxLinks) {
                m_error = QStringLiteral("%1:%2: not a trace line (more than %3 links)")
                              .arg(m_reader.path())
                              .arg(line.number)
                              .arg(kMaxLinks);
                return false;
            }
            buffer = std::make_shared<vx::ReceiveBuffer>();
        }
        m_received += line.bytes.size();
        for (const QByteArray &frame : buffer->feed(line.bytes)) {
            m_in_frames += frame.size();
            m_waiting << frame_row(TraceRow::Received, line, frame);
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
        m_waiting << row;
        break;
    }
    case vx::trace::Line::Header:
    case vx::trace::Line::Unknown:
        break;
    }
    return true;
}

qint64 TraceRows::stray_bytes() const
{
    return m_received - m_in_frames;
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

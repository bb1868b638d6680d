#include "receive_buffer.h"

#include "frame.h"

#include <cstring>

namespace vx {

static const char *find_last(const char *begin, const char *end, char byte)
{
    return static_cast<const char *>(memrchr(begin, byte, size_t(end - begin)));
}

void ReceiveBuffer::append(const QByteArray &data)
{
    if (m_pos == m_input.size()) {
        m_input = data; // shares the bytes, no copy
        m_pos = 0;
    } else {
        m_input.append(data);
    }
}

QList<QByteArray> ReceiveBuffer::feed(const QByteArray &data)
{
    append(data);
    QList<QByteArray> frames;
    QByteArray frame;
    while (next_frame(&frame))
        frames << frame;
    return frames;
}

bool ReceiveBuffer::next_frame(QByteArray *frame)
{
    while (m_pos < m_input.size()) {
        const char *data = m_input.constData();
        const char *begin = data + m_pos;
        const char *end = data + m_input.size();
        const char *etx = static_cast<const char *>(memchr(begin, ETX, size_t(end - begin)));
        if (!etx) {
            keep_tail();
            return false;
        }
        const char *stx = find_last(begin, etx, STX);
        m_pos = int(etx - data) + 1;
        if (stx) {
            *frame = m_input.mid(int(stx - data), int(etx - stx) + 1);
            m_partial.clear();
            return true;
        }
        if (!m_partial.isEmpty()) {
            *frame = m_partial + QByteArray(begin, int(etx - begin) + 1);
            m_partial.clear();
            return true;
        }
        // An ETX with no STX since the previous one: nothing to deliver.
    }
    m_input.clear();
    m_pos = 0;
    return false;
}

// No ETX is left in the input: only what follows the last STX can still
// become a frame.
void ReceiveBuffer::keep_tail()
{
    const char *data = m_input.constData();
    const char *begin = data + m_pos;
    const char *end = data + m_input.size();
    if (const char *stx = find_last(begin, end, STX))
        m_partial = QByteArray(stx, int(end - stx));
    else if (!m_partial.isEmpty())
        m_partial.append(begin, int(end - begin));
    if (m_partial.size() > m_max_frame_bytes)
        m_partial.clear();
    m_input.clear();
    m_pos = 0;
}

void ReceiveBuffer::clear()
{
    m_input.clear();
    m_pos = 0;
    m_partial.clear();
}

} // namespace vx

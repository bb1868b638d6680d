#include "frame_cutter.h"

#include "frame.h"
#include "sim_log.h"

namespace vx::sim {

QList<QByteArray> FrameCutter::feed(const QByteArray &bytes)
{
    m_buffer.append(bytes);
    QList<QByteArray> frames;
    int consumed = 0;
    for (;;) {
        const int etx = m_buffer.indexOf(vx::ETX, consumed);
        if (etx < 0)
            break;
        const int stx = m_buffer.lastIndexOf(vx::STX, etx);
        if (stx >= consumed)
            frames.append(m_buffer.mid(stx, etx - stx + 1));
        consumed = etx + 1;
    }

    // Only the bytes from the last STX on can still become a frame.
    const int stx = m_buffer.lastIndexOf(vx::STX);
    if (stx < consumed) {
        m_buffer.clear();
    } else {
        m_buffer.remove(0, stx);
        if (m_buffer.size() > MaxPartialFrame) {
            qCDebug(lcSim) << "discarding a partial frame of" << m_buffer.size() << "bytes";
            m_buffer.clear();
        }
    }
    return frames;
}

} // namespace vx::sim

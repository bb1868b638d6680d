#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QList>

namespace vx::sim {

// Cuts a byte stream into STX..ETX frames. A frame starts at the last STX
// before its ETX; bytes outside frames are dropped as soon as they can no
// longer belong to one, so garbage never accumulates.
class FrameCutter
{
public:
    // A partial frame longer than this is discarded.
    static constexpr int MaxPartialFrame = 1 << 20;

    QList<QByteArray> feed(const QByteArray &bytes);
    int bufferedBytes() const { return m_buffer.size(); }
    void clear() { m_buffer.clear(); }

private:
    QByteArray m_buffer;
};

} // namespace vx::sim

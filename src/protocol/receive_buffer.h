#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QList>

namespace vx {

// Cuts received bytes into STX…ETX frames in one linear pass. A frame is
// taken from the last STX before its ETX, so bytes that can never belong
// to a frame are dropped as soon as that is known, and a partial frame
// that grows past the limit is discarded: memory stays bounded whatever
// the peer sends. Frames are taken one at a time, so a dispatcher that
// receives again while handling a frame keeps the order.
class ReceiveBuffer
{
public:
    static constexpr int kMaxFrameBytes = 1 << 20;

    explicit ReceiveBuffer(int max_frame_bytes = kMaxFrameBytes) : m_max_frame_bytes(max_frame_bytes) {}

    void append(const QByteArray &data);
    // Appends and takes every frame that is complete now.
    QList<QByteArray> feed(const QByteArray &data);
    // The next complete frame, STX and ETX included; false when none is left.
    bool next_frame(QByteArray *frame);
    // Bytes held back: unread input plus the partial frame.
    int pending_bytes() const { return m_input.size() - m_pos + m_partial.size(); }
    void clear();

private:
    void keep_tail();

    QByteArray m_input;   // bytes received and not yet cut
    int m_pos = 0;        // first unread byte of m_input
    QByteArray m_partial; // a frame's start, waiting for its ETX
    int m_max_frame_bytes;
};

} // namespace vx

#include "frame_sender.h"

#include "frame.h"

namespace vx::sim {

FrameSender::FrameSender(const SimulatorOptions &options, QObject *parent)
    : QObject(parent),
      m_chunk_bytes(options.split_chunk_bytes),
      m_noise(options.noise),
      m_duplicate_progress(options.duplicate_progress)
{
    m_chunk_timer.setInterval(options.split_interval_ms);
    connect(&m_chunk_timer, &QTimer::timeout, this, &FrameSender::write_next_chunk);
}

void FrameSender::send(const QByteArray &frame, bool is_progress)
{
    QByteArray bytes = m_noise ? noise() + frame : frame;
    if (is_progress && m_duplicate_progress)
        bytes += m_noise ? noise() + frame : frame;

    if (m_chunk_bytes <= 0) {
        emit bytes_out(bytes);
        return;
    }
    for (int at = 0; at < bytes.size(); at += m_chunk_bytes)
        m_queue.append(bytes.mid(at, m_chunk_bytes));
    if (!m_chunk_timer.isActive())
        m_chunk_timer.start();
}

void FrameSender::clear()
{
    m_queue.clear();
    m_chunk_timer.stop();
}

QByteArray FrameSender::noise()
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789;,:";
    QByteArray bytes;
    const int length = 1 + m_random.bounded(8);
    for (int i = 0; i < length; ++i)
        bytes += alphabet[m_random.bounded(int(sizeof alphabet) - 1)];
    // Every third burst carries a stray STX: the receiver must take a frame
    // from the last STX before its ETX.
    if (++m_noise_count % 3 == 0)
        bytes.insert(m_random.bounded(bytes.size() + 1), vx::STX);
    return bytes;
}

void FrameSender::write_next_chunk()
{
    if (!m_queue.isEmpty())
        emit bytes_out(m_queue.takeFirst());
    if (m_queue.isEmpty()) {
        m_chunk_timer.stop();
        emit drained();
    }
}

} // namespace vx::sim

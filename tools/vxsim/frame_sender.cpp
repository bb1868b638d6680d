#include "frame_sender.h"

#include "frame.h"

namespace vx::sim {

FrameSender::FrameSender(const SimulatorOptions &options, QObject *parent)
    : QObject(parent),
      m_chunkBytes(options.splitChunkBytes),
      m_noise(options.noise),
      m_duplicateProgress(options.duplicateProgress)
{
    m_chunkTimer.setInterval(options.splitIntervalMs);
    connect(&m_chunkTimer, &QTimer::timeout, this, &FrameSender::writeNextChunk);
}

void FrameSender::send(const QByteArray &frame, bool isProgress)
{
    QByteArray bytes = m_noise ? noise() + frame : frame;
    if (isProgress && m_duplicateProgress)
        bytes += m_noise ? noise() + frame : frame;

    if (m_chunkBytes <= 0) {
        emit bytesOut(bytes);
        return;
    }
    for (int at = 0; at < bytes.size(); at += m_chunkBytes)
        m_queue.append(bytes.mid(at, m_chunkBytes));
    if (!m_chunkTimer.isActive())
        m_chunkTimer.start();
}

void FrameSender::clear()
{
    m_queue.clear();
    m_chunkTimer.stop();
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
    if (++m_noiseCount % 3 == 0)
        bytes.insert(m_random.bounded(bytes.size() + 1), vx::STX);
    return bytes;
}

void FrameSender::writeNextChunk()
{
    if (!m_queue.isEmpty())
        emit bytesOut(m_queue.takeFirst());
    if (m_queue.isEmpty()) {
        m_chunkTimer.stop();
        emit drained();
    }
}

} // namespace vx::sim

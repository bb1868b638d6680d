#pragma once

#include "simulator_options.h"

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QRandomGenerator>
#include <QtCore/QTimer>

namespace vx::sim {

// The outgoing byte stream with the wire faults applied: noise between
// frames, duplicated progress reports, frames written in small chunks.
class FrameSender : public QObject
{
    Q_OBJECT

public:
    explicit FrameSender(const SimulatorOptions &options, QObject *parent = nullptr);

    void send(const QByteArray &frame, bool is_progress);
    // Drops what is still queued (the client is gone).
    void clear();
    bool is_idle() const { return m_queue.isEmpty(); }

signals:
    // Bytes to write to the client, in order; with splitting, one chunk.
    void bytes_out(const QByteArray &bytes);
    // The queue ran empty.
    void drained();

private:
    QByteArray noise();
    void write_next_chunk();

    const int m_chunk_bytes;
    const bool m_noise;
    const bool m_duplicate_progress;
    QList<QByteArray> m_queue;
    QTimer m_chunk_timer;
    // Seeded, so that a run can be repeated byte for byte.
    QRandomGenerator m_random{437};
    int m_noise_count = 0;
};

} // namespace vx::sim

#pragma once

#include <QtCore/QAtomicInt>
#include <QtCore/QByteArray>
#include <QtCore/QFile>
#include <QtCore/QList>
#include <QtCore/QMutex>
#include <QtCore/QThread>
#include <QtCore/QWaitCondition>

#include <memory>

// A trace file written on a thread of its own: the device's thread only
// hands over bytes it already holds (shared, not copied), and their
// escaping and writing happen here. What waits is bounded; lines that
// would pass the bound are left out and counted by a "gap" line. After a
// write error nothing more is written, with one warning. The thread takes
// only idle CPU time, so recording does not slow a job down.
class TraceFileWriter
{
public:
    static constexpr qint64 kMaxWaitingBytes = 32 << 20;
    // Written at a time, and so the most the host may wait for the thread.
    static constexpr qint64 kBatchBytes = 1 << 20;

    // Creates the file (never replacing one) and starts the thread; check failed().
    explicit TraceFileWriter(const QString &path);
    // Writes what waits, then closes.
    ~TraceFileWriter();

    bool failed() const { return m_failed.loadRelaxed() != 0; }

    // A whole line, newline included.
    void add_line(const QByteArray &line);
    // {"t":t_us, fields…, and the bytes field when has_bytes}.
    void add(qint64 t_us, const QByteArray &fields, const QByteArray &bytes, bool has_bytes);

private:
    struct Entry
    {
        qint64 t_us; // -1: fields is a whole line
        QByteArray fields;
        QByteArray bytes;
        bool has_bytes;
        // The memory it holds, not its length: a socket's read keeps the
        // whole buffer it was read into, and a flood of small reads is
        // mostly list nodes and array headers.
        qint64 size() const { return fields.capacity() + bytes.capacity() + kEntryOverhead; }
    };
    // Its node in the list, the two arrays' headers and the allocator's own.
    static constexpr qint64 kEntryOverhead = 160;

    void enqueue(Entry entry);
    void run();
    void write_batch(const QList<Entry> &batch);
    void fail();
    static void give_way();

    QFile m_file;
    QMutex m_mutex;
    QWaitCondition m_wake;
    QList<Entry> m_queue;
    qint64 m_waiting_bytes = 0;
    qint64 m_left_out = 0;
    bool m_stopping = false;
    QAtomicInt m_failed;
    std::unique_ptr<QThread> m_thread;
};

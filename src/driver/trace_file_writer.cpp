#include "trace_file_writer_p.h"

#include "driver_logging_p.h"
#include "trace_format.h"

#include <pthread.h>

TraceFileWriter::TraceFileWriter(const QString &path) : m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        qCWarning(lcDriver) << "trace: cannot write" << path << m_file.errorString();
        m_failed.storeRelaxed(1);
        return;
    }
    m_thread.reset(QThread::create([this] { run(); }));
    m_thread->start();
}

TraceFileWriter::~TraceFileWriter()
{
    if (!m_thread)
        return;
    {
        QMutexLocker lock(&m_mutex);
        m_stopping = true;
        m_wake.wakeOne();
    }
    // The thread ends after its batch; what is left is written here, at
    // the host's priority, so a busy machine cannot keep the host waiting.
    m_thread->wait();
    if (!failed())
        write_batch(m_queue);
}

void TraceFileWriter::add_line(const QByteArray &line)
{
    enqueue({-1, line, QByteArray(), false});
}

void TraceFileWriter::add(qint64 t_us, const QByteArray &fields, const QByteArray &bytes, bool has_bytes)
{
    enqueue({t_us, fields, bytes, has_bytes});
}

void TraceFileWriter::enqueue(Entry entry)
{
    if (failed())
        return;
    // Room for the gap line that goes first, without making it for every
    // line left out.
    constexpr qint64 kGapRoom = kEntryOverhead + 64;
    const qint64 size = entry.size();
    QMutexLocker lock(&m_mutex);
    if (m_waiting_bytes + size + (m_left_out > 0 ? kGapRoom : 0) > kMaxWaitingBytes) {
        ++m_left_out;
        return;
    }
    const bool was_empty = m_queue.isEmpty();
    if (m_left_out > 0) {
        Entry gap{entry.t_us, "\"event\":\"gap\",\"lines\":" + QByteArray::number(m_left_out), QByteArray(), false};
        m_waiting_bytes += gap.size();
        m_queue.append(std::move(gap));
        m_left_out = 0;
    }
    m_waiting_bytes += size;
    m_queue.append(std::move(entry));
    if (was_empty)
        m_wake.wakeOne();
}

void TraceFileWriter::run()
{
    give_way();
    QMutexLocker lock(&m_mutex);
    for (;;) {
        while (m_queue.isEmpty() && !m_stopping)
            m_wake.wait(&m_mutex);
        if (m_stopping)
            return;
        QList<Entry> batch;
        qint64 taken = 0;
        while (!m_queue.isEmpty() && taken < kBatchBytes) {
            taken += m_queue.first().size();
            batch << m_queue.takeFirst();
        }
        lock.unlock();
        if (!failed())
            write_batch(batch);
        batch.clear();
        lock.relock();
        m_waiting_bytes -= taken;
    }
}

void TraceFileWriter::write_batch(const QList<Entry> &batch)
{
    QByteArray line;
    for (const Entry &entry : batch) {
        if (entry.t_us < 0) {
            line = entry.fields;
        } else {
            line = "{\"t\":" + QByteArray::number(entry.t_us) + ',' + entry.fields;
            if (entry.has_bytes) {
                line.reserve(line.size() + entry.bytes.size() + entry.bytes.size() / 8 + 16);
                line += ',';
                vx::trace::append_bytes_field(line, entry.bytes);
            }
            line += "}\n";
        }
        if (m_file.write(line) != line.size())
            return fail();
    }
    // The file is whole up to here, should the host end without closing it.
    if (!m_file.flush())
        fail();
}

// The thread runs only on CPU time nothing else wants: it escapes pages
// in long stretches, and a thread of normal priority doing so holds a
// core while the job's own threads, woken by the controller, wait for it.
void TraceFileWriter::give_way()
{
#ifdef SCHED_IDLE
    const sched_param param{};
    pthread_setschedparam(pthread_self(), SCHED_IDLE, &param);
#endif
}

void TraceFileWriter::fail()
{
    qCWarning(lcDriver) << "trace: recording stopped, cannot write" << m_file.fileName() << m_file.errorString();
    m_failed.storeRelaxed(1);
}

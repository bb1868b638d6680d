#include "trace_file_writer_p.h"

#include "driver_logging_p.h"
#include "trace_format.h"

#include <pthread.h>
#include <sched.h>

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
        // The host waits for what is left: at idle priority a busy
        // machine could keep it waiting without end.
        if (m_idle)
            set_idle(false);
        m_wake.wakeOne();
    }
    m_thread->wait();
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
    const qint64 size = entry.fields.size() + entry.bytes.size();
    QMutexLocker lock(&m_mutex);
    if (m_waiting_bytes + size > kMaxWaitingBytes) {
        ++m_left_out;
        return;
    }
    const bool was_empty = m_queue.isEmpty();
    if (m_left_out > 0) {
        m_queue.append({entry.t_us, "\"event\":\"gap\",\"lines\":" + QByteArray::number(m_left_out), QByteArray(), false});
        m_left_out = 0;
    }
    m_waiting_bytes += size;
    m_queue.append(std::move(entry));
    if (m_idle && m_waiting_bytes > kCatchUpBytes)
        set_idle(false);
    if (was_empty)
        m_wake.wakeOne();
}

void TraceFileWriter::run()
{
    QMutexLocker lock(&m_mutex);
    m_thread_id = QThread::currentThreadId();
    if (!m_stopping)
        set_idle(true);
    for (;;) {
        while (m_queue.isEmpty() && !m_stopping)
            m_wake.wait(&m_mutex);
        if (m_queue.isEmpty())
            return;
        QList<Entry> batch;
        batch.swap(m_queue);
        lock.unlock();
        qint64 written = 0;
        for (const Entry &entry : qAsConst(batch))
            written += entry.fields.size() + entry.bytes.size();
        if (!failed())
            write_batch(batch);
        batch.clear();
        lock.relock();
        m_waiting_bytes -= written;
        if (!m_idle && !m_stopping && m_waiting_bytes == 0)
            set_idle(true);
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

// QThread cannot take a thread back from idle priority, hence pthreads.
void TraceFileWriter::set_idle(bool idle)
{
#ifdef SCHED_IDLE
    const sched_param param{};
    if (pthread_setschedparam(pthread_t(m_thread_id), idle ? SCHED_IDLE : SCHED_OTHER, &param) == 0)
        m_idle = idle;
#else
    Q_UNUSED(idle)
#endif
}

void TraceFileWriter::fail()
{
    qCWarning(lcDriver) << "trace: recording stopped, cannot write" << m_file.fileName() << m_file.errorString();
    m_failed.storeRelaxed(1);
}

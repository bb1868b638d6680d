#include "memory_use.h"

#include <QtCore/QByteArray>
#include <QtCore/QFile>

#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define VX_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VX_ASAN 1
#endif
#endif
#ifdef VX_ASAN
// From the sanitizer runtime (GCC ships no header for it): bytes in use.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

qint64 live_heap_bytes()
{
#ifdef VX_ASAN
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
#endif
}

qint64 status_kib(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    // /proc files report a size of 0: readAll reads them to their end.
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

int load_size(const char *variable, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(variable, &ok);
    return ok && value > 0 ? value : fallback;
}

bool under_address_sanitizer()
{
#ifdef VX_ASAN
    return true;
#else
    return false;
#endif
}

PeakMeter::PeakMeter()
{
    if (under_address_sanitizer()) {
        m_base = live_heap_bytes();
    } else {
        // "5" resets VmHWM to the current RSS, so earlier peaks do not count.
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
        m_base = status_kib("VmRSS") * 1024;
    }
    m_peak = m_base;
}

void PeakMeter::sample()
{
    if (under_address_sanitizer())
        m_peak = qMax(m_peak, live_heap_bytes());
}

qint64 PeakMeter::growth()
{
    if (!under_address_sanitizer())
        m_peak = status_kib("VmHWM") * 1024;
    return m_peak - m_base;
}

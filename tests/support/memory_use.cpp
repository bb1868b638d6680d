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

bool under_address_sanitizer()
{
#ifdef VX_ASAN
    return true;
#else
    return false;
#endif
}

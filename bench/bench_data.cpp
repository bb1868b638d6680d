#include "bench_data.h"

#include "frame.h"

#include <QtCore/QVector>

#include <cstring>

namespace vxbench {

QString plotter_job(qint64 chars, int pages)
{
    static const QLatin1String kEnd("PG;");
    const int body = int(qMax<qint64>(chars / qMax(pages, 1) - kEnd.size(), 1));
    // A few different page bodies, used in turn: building stays a copy.
    constexpr int kVariants = 16;
    QVector<QString> bodies;
    for (int v = 0; v < kVariants; ++v) {
        QString text;
        for (int i = 0; text.size() < body; ++i)
            text += QStringLiteral("PD%1,%2;").arg((i * 37 + v) % 10000).arg((i * 91 + v) % 10000);
        text.truncate(body);
        bodies << text;
    }
    QString job;
    job.reserve(int(qint64(body + kEnd.size()) * pages));
    for (int page = 0; page < pages; ++page) {
        job += bodies.at(page % kVariants);
        job += kEnd;
    }
    return job;
}

QByteArray reply_frames(int count, bool with_progress)
{
    QByteArray bytes;
    bytes.reserve(count * 30);
    for (int i = 0; i < count; ++i) {
        switch (i % 3) {
        case 0:
            bytes += vx::frame("CCMD", "7,0,0," + QByteArray::number(100 + i % 200) + ';');
            break;
        case 1:
            if (with_progress)
                bytes += vx::frame("CCMD", "66,1,job" + QByteArray::number(i % 7) + ".plt,2,0,"
                                               + QByteArray::number((i % 1000) / 10.0) + ",0,0,0;");
            else
                bytes += vx::frame("CCMD", "9,0,0," + QByteArray::number(100 + i % 200) + ';');
            break;
        default:
            bytes += vx::frame("CCMD", "4,0;");
            break;
        }
    }
    return bytes;
}

int page_done_frames(int count)
{
    return count / 3;
}

int scan_frames(const QByteArray &bytes)
{
    const char *p = bytes.constData();
    const char *end = p + bytes.size();
    int frames = 0;
    while (p < end) {
        const char *stx = static_cast<const char *>(memchr(p, vx::STX, size_t(end - p)));
        if (!stx)
            break;
        const char *etx = static_cast<const char *>(memchr(stx, vx::ETX, size_t(end - stx)));
        if (!etx)
            break;
        ++frames;
        p = etx + 1;
    }
    return frames;
}

} // namespace vxbench

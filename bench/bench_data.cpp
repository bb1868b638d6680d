#include "bench_data.h"

#include "frame.h"

#include <QtCore/QVector>

#include <cmath>
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

namespace vxbench {

QByteArray design_hpgl(qint64 bytes, int pages)
{
    QByteArray out("IN;PU;SP1;");
    out.reserve(int(bytes + 4096));
    const qint64 page_bytes = bytes / qMax(pages, 1);
    qint64 next_page = page_bytes;
    for (int shape = 0; out.size() < bytes; ++shape) {
        const int cx = 2000 + (shape * 397) % 30000, cy = 2000 + (shape * 211) % 20000;
        const int r = 200 + shape % 700;
        out += "PU" + QByteArray::number(cx + r) + ',' + QByteArray::number(cy) + ';';
        if (shape % 10 == 0) {
            out += "CI" + QByteArray::number(r / 2) + ";AA" + QByteArray::number(cx) + ',' + QByteArray::number(cy)
                   + ",-90;";
        }
        out += "PD";
        // A wobbly outline of 64 points.
        for (int i = 1; i <= 64; ++i) {
            const double a = i * (2 * 3.14159265358979 / 64);
            const double w = r * (1.0 + 0.1 * ((i * 7 + shape) % 5) / 5.0);
            out += QByteArray::number(int(cx + w * std::cos(a))) + ',' + QByteArray::number(int(cy + w * std::sin(a)));
            out += i < 64 ? ',' : ';';
        }
        if (out.size() >= next_page) {
            out += "PG;";
            next_page += page_bytes;
        }
    }
    if (!out.endsWith("PG;"))
        out += "PG;";
    return out;
}

QByteArray design_svg(qint64 bytes)
{
    QByteArray out("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"600mm\" height=\"400mm\" viewBox=\"0 0 600 400\">\n");
    out.reserve(int(bytes + 4096));
    for (int layer = 0; out.size() < bytes; ++layer) {
        out += "<g id=\"layer" + QByteArray::number(layer) + "\" fill=\"none\" stroke=\"#000\" stroke-width=\"0.26\">\n";
        for (int shape = 0; shape < 200 && out.size() < bytes; ++shape) {
            const int n = layer * 200 + shape;
            out += "<g transform=\"translate(" + QByteArray::number(20 + (n * 37) % 540) + ','
                   + QByteArray::number(20 + (n * 53) % 360) + ") rotate(" + QByteArray::number(n % 360) + ")\">"
                   + "<path d=\"m 0,0";
            for (int i = 0; i < 12; ++i) {
                out += " c " + QByteArray::number(1.5 + i % 3) + ",-2.25 " + QByteArray::number(3.75 + i % 2) + ",-2.25 "
                       + QByteArray::number(5.125 - i % 4) + ",0.5";
            }
            out += " z\"/></g>\n";
        }
        out += "</g>\n";
    }
    out += "</svg>\n";
    return out;
}

} // namespace vxbench

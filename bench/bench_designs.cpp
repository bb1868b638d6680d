#include "bench_designs.h"

#include <cmath>

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

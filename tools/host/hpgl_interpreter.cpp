#include "hpgl_interpreter.h"

#include "host_texts_p.h"
#include "hpgl_numbers_p.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QtMath>

#include <cmath>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

using hpgl::is_space;
using hpgl::next_number;

namespace {

// P2 before IP or SC says otherwise: the machine has no paper to measure,
// so one metre square stands for its plotting area.
constexpr double kDefaultP2 = 40000.0;
// A circle never has more chords than this, whatever its radius: a bound
// on time and memory; the tolerance holds up to radii of about 5 m.
constexpr int kMaxChords = 720;
constexpr char kEtx = 0x03;
bool is_letter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool is_number_char(char c)
{
    return is_space(c) || (c >= '0' && c <= '9') || c == ',' || c == '.' || c == '-' || c == '+';
}

// Bytes a producer leaves after the last command: a page eject, a reset.
bool is_trailer(char c)
{
    return c == '\f' || c == 0x1b || c == 0x1a;
}

// The first byte from `at` on that is no printable ASCII, or `end`: the
// bulk of every file, checked many bytes at a time.
const char *skip_printable(const char *at, const char *end)
{
#ifdef __SSE2__
    const __m128i below = _mm_set1_epi8(0x20), del = _mm_set1_epi8(0x7f);
    while (end - at >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
        // Signed: bytes from 0x80 on are negative, below 0x20 too.
        const __m128i bad = _mm_or_si128(_mm_cmplt_epi8(bytes, below), _mm_cmpeq_epi8(bytes, del));
        const int mask = _mm_movemask_epi8(bad);
        if (mask != 0)
            return at + __builtin_ctz(unsigned(mask));
        at += 16;
    }
#else
    while (end - at >= 8) {
        quint64 word;
        std::memcpy(&word, at, 8);
        constexpr quint64 kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
        const quint64 below = (word - kOnes * 0x20) & ~word;
        const quint64 above = (word + kOnes * 0x01) & kHighs; // 0x7f becomes 0x80; bytes >= 0x80 stay high
        if (((below | above | word) & kHighs) != 0)
            break;
        at += 8;
    }
#endif
    while (at < end && uchar(*at) >= 0x20 && uchar(*at) < 0x7f)
        ++at;
    return at;
}

// The length of the UTF-8 sequence at the start of the bytes, or 0 when
// it is invalid (cut short, overlong, a surrogate, beyond U+10FFFF).
int utf8_length(const uchar *at, const uchar *end)
{
    int length = 0;
    uint code = 0;
    if (*at >= 0xc2 && *at <= 0xdf)
        length = 2, code = *at & 0x1f;
    else if (*at >= 0xe0 && *at <= 0xef)
        length = 3, code = *at & 0x0f;
    else if (*at >= 0xf0 && *at <= 0xf4)
        length = 4, code = *at & 0x07;
    else
        return 0;
    if (end - at < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((at[i] & 0xc0) != 0x80)
            return 0;
        code = code << 6 | (at[i] & 0x3f);
    }
    static const uint kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kShortest[length] || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
        return 0;
    return length;
}

constexpr int mnemonic(char a, char b)
{
    return (a & ~0x20) << 8 | (b & ~0x20);
}

enum class Kind { Unknown, Numbers, Text, Label, Terminator, Page };

Kind kind_of(int m)
{
    switch (m) {
    case mnemonic('I', 'N'): case mnemonic('D', 'F'): case mnemonic('P', 'U'): case mnemonic('P', 'D'):
    case mnemonic('P', 'A'): case mnemonic('P', 'R'): case mnemonic('C', 'I'): case mnemonic('A', 'A'):
    case mnemonic('A', 'R'): case mnemonic('E', 'A'): case mnemonic('E', 'R'): case mnemonic('R', 'A'):
    case mnemonic('R', 'R'): case mnemonic('P', 'M'): case mnemonic('E', 'P'): case mnemonic('S', 'C'):
    case mnemonic('I', 'P'): case mnemonic('I', 'W'): case mnemonic('L', 'T'): case mnemonic('S', 'P'):
    case mnemonic('V', 'S'): case mnemonic('F', 'S'):
        return Kind::Numbers;
    case mnemonic('P', 'G'):
        return Kind::Page;
    case mnemonic('L', 'B'):
        return Kind::Label;
    case mnemonic('D', 'T'):
        return Kind::Terminator;
    // Text to ";", sent as it is and not measured.
    case mnemonic('W', 'D'): case mnemonic('B', 'L'): case mnemonic('C', 'O'): case mnemonic('D', 'L'):
    case mnemonic('P', 'E'): case mnemonic('S', 'M'): case mnemonic('E', 'S'):
        return Kind::Text;
    default:
        return Kind::Unknown;
    }
}

// The normalised text, made only once it differs from the input: a file
// that needs no change is handed on as it is, without a copy of its bytes.
class NormalisedText
{
public:
    explicit NormalisedText(const QByteArray &input) : m_input(input), m_begin(input.constData()) {}

    // The input from `from` to `to` goes out as it is.
    void copy(const char *from, const char *to)
    {
        if (from == to)
            return;
        if (!m_diverged && from == m_begin + m_same) {
            m_same += to - from;
            return;
        }
        diverge();
        m_out.append(from, int(to - from));
    }
    // `text` goes out where the input is at `at`.
    void put(const char *text, int size, const char *at)
    {
        if (!m_diverged && at == m_begin + m_same && m_same + size <= m_input.size()
            && std::memcmp(at, text, size_t(size)) == 0) {
            m_same += size;
            return;
        }
        diverge();
        m_out.append(text, size);
    }
    qint64 size() const { return m_diverged ? m_out.size() : m_same; }
    QByteArray take()
    {
        if (m_diverged)
            return std::move(m_out);
        return m_same == m_input.size() ? m_input : m_input.left(int(m_same));
    }

private:
    void diverge()
    {
        if (m_diverged)
            return;
        m_diverged = true;
        m_out.reserve(m_input.size() + (m_input.size() >> 6) + 64);
        m_out.append(m_begin, int(m_same));
    }

    const QByteArray &m_input;
    const char *const m_begin;
    qint64 m_same = 0; // the input's first bytes, the output so far
    bool m_diverged = false;
    QByteArray m_out;
};

// hypot is many times slower than this, and only needed near overflow.
Q_ALWAYS_INLINE double segment_length(double dx, double dy)
{
    const double length = std::sqrt(dx * dx + dy * dy);
    return Q_LIKELY(std::isfinite(length)) ? length : std::hypot(dx, dy);
}

// A stroke's lengths added up in their order, their square roots taken
// two at a time: along a long stroke the roots' throughput, not the
// reading, set the pace.
class LengthSum
{
public:
    Q_ALWAYS_INLINE void add(double dx, double dy, double &sum)
    {
#ifdef __SSE2__
        if (!m_pending) {
            m_dx = dx, m_dy = dy;
            m_pending = true;
            return;
        }
        m_pending = false;
        const __m128d squares = _mm_set_pd(dx * dx + dy * dy, m_dx * m_dx + m_dy * m_dy);
        double roots[2];
        _mm_storeu_pd(roots, _mm_sqrt_pd(squares));
        sum += Q_LIKELY(std::isfinite(roots[0])) ? roots[0] : std::hypot(m_dx, m_dy);
        sum += Q_LIKELY(std::isfinite(roots[1])) ? roots[1] : std::hypot(dx, dy);
#else
        sum += segment_length(dx, dy);
#endif
    }
    Q_ALWAYS_INLINE void flush(double &sum)
    {
        if (m_pending)
            sum += segment_length(m_dx, m_dy);
        m_pending = false;
    }

private:
    double m_dx = 0.0, m_dy = 0.0;
    bool m_pending = false;
};

// The figures of the page being drawn. A command's points are measured
// into a copy of them held in registers, then written back: through the
// page they would go to memory and back at every segment.
struct Figures
{
    double cut = 0.0, travel = 0.0;
    double min_x = qInf(), min_y = qInf(), max_x = -qInf(), max_y = -qInf(); // no box yet

    Q_ALWAYS_INLINE void grow_box(double x, double y)
    {
        min_x = qMin(min_x, x), max_x = qMax(max_x, x);
        min_y = qMin(min_y, y), max_y = qMax(max_y, y);
    }

    void write_to(PlotPage &page) const
    {
        page.cut = cut;
        page.travel = travel;
        page.has_box = min_x <= max_x;
        if (page.has_box)
            page.min_x = min_x, page.min_y = min_y, page.max_x = max_x, page.max_y = max_y;
    }
};

} // namespace

// The pen, the scaling and the page being measured.
struct HpglInterpreter::State
{
    QVector<PlotPage> *pages = nullptr;
    PlotPage *current = nullptr; // pages->last(), without a detach check at every segment
    Figures figures;             // the current page's, written to it when it ends
    bool stroke_open = false; // the current page's last stroke, which a segment may continue
    quint32 stroke_pen = 0;
    PlotPoint stroke_end{0.0f, 0.0f};
    bool keep_points = true;
    qint64 point_budget = 0;
    bool budget_spent = false;
    bool polygon_short = false;

    double x = 0.0, y = 0.0; // plotter units
    bool pen_down = false;
    bool relative = false;
    double p1x = 0.0, p1y = 0.0, p2x = kDefaultP2, p2y = kDefaultP2;
    QVector<double> sc; // the parameters of the last SC, empty when off
    double sx = 1.0, sy = 1.0, ox = 0.0, oy = 0.0; // plotter = user * s + o
    bool polygon = false;
    QVector<PlotPoint> polygon_points;
    QVector<int> polygon_starts;
    char terminator = kEtx;
    bool page_used = false;

    void rescale()
    {
        sx = sy = 1.0;
        ox = oy = 0.0;
        if (sc.size() < 4)
            return;
        const int type = sc.size() >= 5 ? int(sc.at(4)) : 0;
        if (type == 2) {
            sx = sc.at(1), sy = sc.at(3);
            ox = p1x - sc.at(0) * sx, oy = p1y - sc.at(2) * sy;
            return;
        }
        const double wx = sc.at(1) - sc.at(0), wy = sc.at(3) - sc.at(2);
        if (wx == 0.0 || wy == 0.0)
            return;
        sx = (p2x - p1x) / wx, sy = (p2y - p1y) / wy;
        ox = p1x - sc.at(0) * sx, oy = p1y - sc.at(2) * sy;
        if (type == 1) {
            // Isotropic: the smaller scale on both axes, the spare room
            // shared by left and bottom (in percent, 50 by default).
            const double s = qMin(qAbs(sx), qAbs(sy));
            const double left = sc.size() >= 6 ? sc.at(5) / 100.0 : 0.5;
            const double bottom = sc.size() >= 7 ? sc.at(6) / 100.0 : 0.5;
            const double nx = std::copysign(s, sx), ny = std::copysign(s, sy);
            ox = p1x + (p2x - p1x - nx * wx) * left - sc.at(0) * nx;
            oy = p1y + (p2y - p1y - ny * wy) * bottom - sc.at(2) * ny;
            sx = nx, sy = ny;
        }
    }

    void reset_defaults()
    {
        relative = false;
        sc.clear();
        rescale();
        polygon = false;
        polygon_points.clear();
        polygon_starts.clear();
        terminator = kEtx;
    }

    PlotPage &page() { return *current; }

    void start_page()
    {
        if (current)
            figures.write_to(*current);
        pages->append(PlotPage());
        current = &pages->last();
        figures = Figures();
        stroke_open = false;
    }

    void finish_page() { figures.write_to(*current); }

    static Q_ALWAYS_INLINE void measure(Figures &f, double x0, double y0, double x1, double y1, bool down)
    {
        const double length = segment_length(x1 - x0, y1 - y0);
        if (down) {
            f.cut += length;
            f.grow_box(x0, y0);
            f.grow_box(x1, y1);
        } else {
            f.travel += length;
        }
    }

    // A segment measured into `f` (the page's figures or a copy of them),
    // its points kept, or buffered when a polygon is being defined.
    Q_ALWAYS_INLINE void record(Figures &f, double x0, double y0, double x1, double y1, bool down)
    {
        if (polygon) {
            // The buffer shares the points' bound; past it the polygon is
            // followed no further and the figures fall short.
            if (point_budget < 2) {
                polygon_short = true;
                return;
            }
            point_budget -= 2;
            if (!down || polygon_starts.isEmpty()) {
                polygon_starts.append(polygon_points.size());
                polygon_points.append({float(x0), float(y0)});
            }
            if (down)
                polygon_points.append({float(x1), float(y1)});
            return;
        }
        measure(f, x0, y0, x1, y1, down);
        PlotPage &p = page();
        if (point_budget < 2) {
            budget_spent = true;
            return;
        }
        // The points are counted whether or not they are kept, so that the
        // figures do not depend on it.
        const quint32 pen = down ? PlotPage::kPenDown : 0u;
        const PlotPoint from{float(x0), float(y0)}, to{float(x1), float(y1)};
        const bool continues = stroke_open && stroke_pen == pen && stroke_end.x == from.x && stroke_end.y == from.y;
        if (!continues) {
            if (keep_points) {
                p.strokes.append(quint32(p.points.size()) | pen);
                p.points.append(from);
            }
            --point_budget;
        }
        if (keep_points)
            p.points.append(to);
        --point_budget;
        stroke_open = true;
        stroke_pen = pen;
        stroke_end = to;
    }

    void move_to(double tx, double ty, bool down)
    {
        record(figures, x, y, tx, ty, down);
        x = tx, y = ty;
    }

    // An arc around the centre (plotter units) through the given angle in
    // degrees, counter-clockwise when positive, from the pen's position.
    void arc(double cx, double cy, double degrees, bool down)
    {
        const double r = std::hypot(x - cx, y - cy);
        if (!std::isfinite(r))
            return;
        const double sweep = qDegreesToRadians(qBound(-360.0, degrees, 360.0));
        if (r == 0.0 || sweep == 0.0)
            return;
        const double step = r > HpglInterpreter::kChordTolerance
                                ? 2.0 * std::acos(1.0 - HpglInterpreter::kChordTolerance / r)
                                : M_PI_2;
        // In doubles: a radius scaled up past the tolerance's precision
        // makes the step 0.
        const int chords = int(qBound(std::ceil(qAbs(sweep) / M_PI_2), std::ceil(qAbs(sweep) / qMax(step, 1e-9)),
                                      double(kMaxChords)));
        const double start = std::atan2(y - cy, x - cx);
        if (!polygon && point_budget <= chords) {
            // The same chords in closed form, without their points: a file
            // of large circles stays fast.
            budget_spent = true;
            const double length = chords * 2.0 * r * std::sin(qAbs(sweep) / chords / 2.0);
            const double ex = cx + r * std::cos(start + sweep), ey = cy + r * std::sin(start + sweep);
            Figures &f = figures;
            if (!down) {
                f.travel += length;
            } else {
                record(f, x, y, ex, ey, true);
                f.cut += length - std::hypot(ex - x, ey - y);
                const double lo = qMin(start, start + sweep), hi = qMax(start, start + sweep);
                for (double k = std::ceil(lo / M_PI_2); k * M_PI_2 <= hi; ++k)
                    f.grow_box(cx + r * std::cos(k * M_PI_2), cy + r * std::sin(k * M_PI_2));
            }
            x = ex, y = ey;
            return;
        }
        // Each chord's end turned from the one before: a sine and a cosine
        // per chord were most of a circle's time. The last end is the
        // arc's own, so the pen ends where it should.
        const double turn_cos = std::cos(sweep / chords), turn_sin = std::sin(sweep / chords);
        double ux = std::cos(start), uy = std::sin(start);
        for (int i = 1; i < chords; ++i) {
            const double nx = ux * turn_cos - uy * turn_sin;
            uy = ux * turn_sin + uy * turn_cos;
            ux = nx;
            move_to(cx + r * ux, cy + r * uy, down);
        }
        move_to(cx + r * std::cos(start + sweep), cy + r * std::sin(start + sweep), down);
    }

    void rectangle(double tx, double ty)
    {
        const double x0 = x, y0 = y;
        move_to(tx, y0, true);
        move_to(tx, ty, true);
        move_to(x0, ty, true);
        move_to(x0, y0, true);
    }

    void edge_polygon()
    {
        const double x0 = x, y0 = y;
        const bool was = polygon;
        polygon = false;
        for (int i = 0; i < polygon_starts.size(); ++i) {
            const int first = polygon_starts.at(i);
            const int last = i + 1 < polygon_starts.size() ? polygon_starts.at(i + 1) : polygon_points.size();
            if (last - first < 2)
                continue;
            move_to(polygon_points.at(first).x, polygon_points.at(first).y, false);
            for (int p = first + 1; p < last; ++p)
                move_to(polygon_points.at(p).x, polygon_points.at(p).y, true);
            move_to(polygon_points.at(first).x, polygon_points.at(first).y, true);
        }
        move_to(x0, y0, false);
        polygon = was;
    }

    // Follows one command; returns where its numbers stopped.
    const char *execute(int m, const char *params, const char *end)
    {
        double v[8];
        int n = 0;
        const char *p = params;
        const auto next = [&](double *value) { return next_number(p, end, value); };
        const auto user_x = [&](double u) { return u * sx + ox; };
        const auto user_y = [&](double u) { return u * sy + oy; };
        switch (m) {
        case mnemonic('I', 'N'):
            reset_defaults();
            p1x = p1y = 0.0, p2x = p2y = kDefaultP2;
            pen_down = false;
            x = y = 0.0;
            break;
        case mnemonic('D', 'F'):
            reset_defaults();
            break;
        case mnemonic('P', 'U'): case mnemonic('P', 'D'): case mnemonic('P', 'A'): case mnemonic('P', 'R'): {
            if (m == mnemonic('P', 'U') || m == mnemonic('P', 'D'))
                pen_down = m == mnemonic('P', 'D');
            else
                relative = m == mnemonic('P', 'R');
            // The bulk of every file: the pen and the figures in registers.
            Figures f = figures;
            double cx = x, cy = y, px = 0.0, py = 0.0;
            // After its first segment each goes on from the one before, in
            // the same stroke: only its end is counted and kept.
            bool first = true;
            double &path = pen_down ? f.cut : f.travel;
            LengthSum lengths;
            while (next(&px) && next(&py)) {
                const double tx = relative ? cx + px * sx : user_x(px), ty = relative ? cy + py * sy : user_y(py);
                if (first || polygon || point_budget < 2) {
                    lengths.flush(path);
                    record(f, cx, cy, tx, ty, pen_down);
                    first = false;
                } else {
                    // Its start is in the box already.
                    if (pen_down)
                        f.grow_box(tx, ty);
                    lengths.add(tx - cx, ty - cy, path);
                    stroke_end = {float(tx), float(ty)};
                    if (keep_points)
                        page().points.append(stroke_end);
                    --point_budget;
                }
                cx = tx, cy = ty;
            }
            lengths.flush(path);
            figures = f;
            x = cx, y = cy;
            break;
        }
        case mnemonic('C', 'I'): {
            if (!next(&v[0]))
                break;
            const double cx = x, cy = y, r = qAbs(v[0] * sx);
            move_to(cx + r, cy, false);
            arc(cx, cy, 360.0, true);
            move_to(cx, cy, false);
            break;
        }
        case mnemonic('A', 'A'): case mnemonic('A', 'R'):
            while (n < 3 && next(&v[n]))
                ++n;
            if (n == 3) {
                if (m == mnemonic('A', 'A'))
                    arc(user_x(v[0]), user_y(v[1]), v[2], pen_down);
                else
                    arc(x + v[0] * sx, y + v[1] * sy, v[2], pen_down);
            }
            break;
        case mnemonic('E', 'A'): case mnemonic('R', 'A'): case mnemonic('E', 'R'): case mnemonic('R', 'R'):
            if (next(&v[0]) && next(&v[1])) {
                if (m == mnemonic('E', 'A') || m == mnemonic('R', 'A'))
                    rectangle(user_x(v[0]), user_y(v[1]));
                else
                    rectangle(x + v[0] * sx, y + v[1] * sy);
            }
            break;
        case mnemonic('P', 'M'):
            if (!next(&v[0]))
                v[0] = 0.0;
            if (v[0] == 0.0) {
                polygon = true;
                polygon_points.clear();
                polygon_starts.clear();
            } else if (v[0] == 1.0) {
                polygon_starts.append(polygon_points.size());
                polygon_points.append({float(x), float(y)});
            } else {
                polygon = false;
            }
            break;
        case mnemonic('E', 'P'):
            if (!polygon)
                edge_polygon();
            break;
        case mnemonic('S', 'C'):
            sc.clear();
            while (n < 7 && next(&v[n]))
                sc.append(v[n++]);
            rescale();
            break;
        case mnemonic('I', 'P'):
            while (n < 4 && next(&v[n]))
                ++n;
            if (n == 0) {
                p1x = p1y = 0.0, p2x = p2y = kDefaultP2;
            } else if (n >= 2) {
                const double wx = p2x - p1x, wy = p2y - p1y;
                p1x = v[0], p1y = v[1];
                p2x = n == 4 ? v[2] : p1x + wx;
                p2y = n == 4 ? v[3] : p1y + wy;
            }
            rescale();
            break;
        default: // kept, no geometry
            break;
        }
        return p;
    }
};

QStringList HpglInterpreter::changes() const
{
    QStringList list;
    if (m_bom)
        list << VxctlText::tr("UTF-8 byte-order mark dropped");
    if (m_closed)
        list << (m_closed == 1 ? VxctlText::tr("1 command closed") : VxctlText::tr("%1 commands closed").arg(m_closed));
    if (m_empty)
        list << (m_empty == 1 ? VxctlText::tr("1 empty command dropped") : VxctlText::tr("%1 empty commands dropped").arg(m_empty));
    if (m_pages_rewritten)
        list << (m_pages_rewritten == 1 ? VxctlText::tr("1 page advance written \"PG;\"")
                                        : VxctlText::tr("%1 page advances written \"PG;\"").arg(m_pages_rewritten));
    if (m_form_feeds)
        list << VxctlText::tr("trailing form feed dropped");
    if (m_escapes)
        list << VxctlText::tr("trailing ESC dropped");
    if (m_ctrl_z)
        list << VxctlText::tr("trailing Ctrl-Z dropped");
    return list;
}

bool HpglInterpreter::run(const QByteArray &bytes, QString *fault)
{
    m_out.clear();
    m_pages.clear();
    m_page_marks.clear();
    m_page_marks_complete = true;
    m_unknown.clear();
    m_unknown_count = m_closed = m_empty = m_pages_rewritten = m_form_feeds = m_escapes = m_ctrl_z = 0;
    const char *const begin = bytes.constData();
    const char *const file_end = begin + bytes.size();
    const char *start = begin;
    m_bom = bytes.startsWith("\xef\xbb\xbf");
    if (m_bom)
        start += 3;
    // The tail of white space and trailers; only the trailers go.
    const char *end = file_end;
    while (end > start && (is_space(end[-1]) || is_trailer(end[-1])))
        --end;
    for (const char *at = end; at < file_end; ++at) {
        m_form_feeds += *at == '\f';
        m_escapes += *at == 0x1b;
        m_ctrl_z += *at == 0x1a;
    }

    for (const char *at = start; at < end; ++at) {
        at = skip_printable(at, end);
        if (at == end)
            break;
        const uchar c = uchar(*at);
        if ((c < 0x20 && !is_space(char(c))) || c == 0x7f) {
            *fault = VxctlText::tr("byte 0x%1 at offset %2: binary data").arg(c, 2, 16, QLatin1Char('0')).arg(at - begin);
            return false;
        }
        if (c >= 0x80) {
            const int length = utf8_length(reinterpret_cast<const uchar *>(at), reinterpret_cast<const uchar *>(end));
            if (length == 0) {
                *fault = VxctlText::tr("byte 0x%1 at offset %2: invalid UTF-8").arg(c, 2, 16, QLatin1Char('0')).arg(at - begin);
                return false;
            }
            at += length - 1;
        }
    }

    NormalisedText out(bytes);
    State state;
    state.pages = &m_pages;
    state.keep_points = m_keep_points;
    state.point_budget = bytes.size() / 8 + 65536;
    state.start_page();
    if (m_keep_points) {
        // Room made once for all the points kept of a file of one large
        // page: a vector that doubles as it grows would hold up to three
        // times as much for a moment.
        m_pages.last().points.reserve(int(state.point_budget));
        m_pages.last().strokes.reserve(int(bytes.size() / 32));
    }
    const char *copied = start; // the input up to here is out
    const auto copy_to = [&](const char *to) {
        out.copy(copied, to);
        copied = to;
    };
    const auto quoted = [&](const char *from, const char *to) {
        return QString::fromUtf8(from, int(qMin<qint64>(to - from, 16))).trimmed();
    };
    const auto stop_of = [&](const char *command) {
        const char *stop = static_cast<const char *>(memchr(command, ';', size_t(end - command)));
        return stop ? stop : end;
    };
    const auto no_numbers = [&](const char *command) {
        *fault = VxctlText::tr("\"%1\" at offset %2 has parameters that are no numbers")
                     .arg(quoted(command, stop_of(command))).arg(command - begin);
        return false;
    };
    const auto close_at = [&](const char *to) {
        copy_to(to);
        out.put(";", 1, to);
        ++m_closed;
    };

    const char *at = start;
    while (at < end) {
        if (is_space(*at)) {
            ++at;
            continue;
        }
        if (*at == ';') {
            copy_to(at);
            copied = ++at;
            ++m_empty;
            continue;
        }
        const char *command = at;
        if (end - command < 2 || !is_letter(command[0]) || !is_letter(command[1])) {
            *fault = VxctlText::tr("\"%1\" at offset %2 is no plotter command").arg(quoted(command, stop_of(command)))
                         .arg(command - begin);
            return false;
        }
        const int m = mnemonic(command[0], command[1]);
        const char *params = command + 2;
        const Kind kind = kind_of(m);
        if (kind != Kind::Page)
            state.page_used = true;
        switch (kind) {
        case Kind::Unknown:
        case Kind::Text: {
            // Its syntax unknown, it must end at ";".
            const char *stop = stop_of(command);
            if (kind == Kind::Unknown) {
                for (const char *p = params; p < stop; ++p) {
                    if (!is_number_char(*p))
                        return no_numbers(command);
                }
            } else {
                m_page_marks_complete = false;
            }
            if (m_unknown.size() < kUnknownListed)
                m_unknown.append(Unknown{command - begin, {command[0], command[1]}});
            ++m_unknown_count;
            if (stop == end) {
                const char *last = end;
                while (last > params && is_space(last[-1]))
                    --last;
                close_at(last);
                at = end;
            } else {
                at = stop + 1;
            }
            break;
        }
        case Kind::Label: {
            m_page_marks_complete = false;
            const char *close = static_cast<const char *>(memchr(params, state.terminator, size_t(end - params)));
            if (!close) {
                *fault = state.terminator == kEtx
                             ? VxctlText::tr("the label at offset %1 has no end: it ends at ETX, which no job can hold (ETX "
                                  "ends a frame); set a printable terminator with DT first (DT@;)").arg(command - begin)
                             : VxctlText::tr("the label at offset %1 has no end: no \"%2\" (set by DT) follows it")
                                   .arg(command - begin).arg(QLatin1Char(state.terminator));
                return false;
            }
            at = close + 1;
            const char *next = at;
            while (next < end && is_space(*next))
                ++next;
            if (next < end && *next == ';')
                at = next + 1;
            else
                close_at(at);
            break;
        }
        case Kind::Terminator: {
            const char *p = params;
            if (p < end && *p != ';') {
                state.terminator = *p;
                ++p;
                while (p < end && (*p == ',' || (*p >= '0' && *p <= '9') || *p == ' '))
                    ++p;
            } else {
                state.terminator = kEtx;
            }
            if (p < end && *p == ';') {
                at = p + 1;
            } else {
                close_at(p);
                at = p;
            }
            break;
        }
        case Kind::Numbers:
        case Kind::Page: {
            // Followed as it is read; a fault found after it ends the run.
            const char *p = kind == Kind::Numbers ? state.execute(m, params, end) : params;
            while (p < end && is_number_char(*p))
                ++p;
            if (p < end && *p != ';' && !is_letter(*p))
                return no_numbers(command);
            const bool closed = p < end && *p == ';';
            const char *last = p;
            while (last > params && is_space(last[-1]))
                --last;
            if (kind == Kind::Page) {
                const bool plain = command[0] == 'P' && command[1] == 'G' && last == params;
                copy_to(command);
                m_page_marks.append(out.size());
                out.put("PG;", 3, command);
                copied = closed ? p + 1 : last;
                m_pages_rewritten += !plain;
                m_closed += plain && !closed;
                if (state.page_used) {
                    // Each page reaches the machine as a frame of its own,
                    // which it cuts from the origin.
                    state.start_page();
                    state.x = state.y = 0.0;
                    state.relative = false;
                    state.page_used = false;
                }
            } else if (!closed) {
                close_at(last);
            }
            at = closed ? p + 1 : last;
            break;
        }
        }
    }
    copy_to(end);
    for (const char *t = end; t < file_end; ++t) {
        if (is_space(*t))
            out.put(t, 1, t);
    }
    m_out = out.take();
    state.finish_page();
    if (!state.page_used)
        m_pages.removeLast();
    m_path_complete = !state.budget_spent;
    m_measured_short = state.polygon_short;
    return true;
}

#include "plotter_file.h"

#include "protocol.h"
#include "regular_file.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QTextCodec>
#include <QtCore/QTextDecoder>
#include <QtCore/QtMath>

#include <limits>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("vxctl", text);
}

const QLatin1String kPageEnd(vx::protocol::kPageEnd);

bool is_space(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool is_letter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Commands whose parameters are text rather than numbers.
bool takes_text(char a, char b)
{
    const char m[2] = {char(a & ~0x20), char(b & ~0x20)};
    static const char *const text_commands[] = {"LB", "DT", "WD", "BL", "CO", "DL", "PE", "SM", "ES"};
    for (const char *command : text_commands) {
        if (m[0] == command[0] && m[1] == command[1])
            return true;
    }
    return false;
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

bool is_blank(const char *at, const char *end)
{
    for (; at < end; ++at) {
        if (!is_space(*at))
            return false;
    }
    return true;
}

// A number of the parameter list, independent of the C locale; false at
// the end of the parameters.
bool next_number(const char *&at, const char *end, double *value)
{
    while (at < end && (is_space(*at) || *at == ','))
        ++at;
    if (at == end)
        return false;
    double sign = 1.0;
    if (*at == '-' || *at == '+')
        sign = *at++ == '-' ? -1.0 : 1.0;
    double number = 0.0;
    bool digits = false;
    for (; at < end && *at >= '0' && *at <= '9'; ++at, digits = true)
        number = number * 10.0 + (*at - '0');
    if (at < end && *at == '.') {
        double scale = 0.1;
        for (++at; at < end && *at >= '0' && *at <= '9'; ++at, scale /= 10.0, digits = true)
            number += (*at - '0') * scale;
    }
    *value = sign * number;
    return digits;
}

} // namespace

QString dropped_pages_note(const PlotterStats &stats)
{
    if (stats.blank_pages_dropped == 0)
        return QString();
    return tr("\nnot sent: the white space after page %1 (as a page it would feed a blank sheet)").arg(stats.pages);
}

bool PlotterFile::read(const QString &path, QString *error)
{
    QFile file;
    if (!open_regular_file(file, path, error))
        return false;
    // The plugin takes the job as UTF-16 text, which Qt 5 holds up to 2 GiB.
    if (file.size() > std::numeric_limits<int>::max() / 2 - 64) {
        *error = tr("%1 is too large: the plugin takes jobs up to 1 GiB").arg(path);
        return false;
    }
    m_bytes = file.readAll();
    if (m_bytes.size() != file.size()) {
        *error = tr("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    const QString fault = check_and_measure(path);
    if (!fault.isEmpty()) {
        *error = fault;
        m_bytes = QByteArray();
        return false;
    }
    if (m_stats.pages == 0) {
        *error = tr("%1 holds no plotter commands").arg(path);
        return false;
    }
    return true;
}

QString PlotterFile::text_from_page(int page) const
{
    const qint64 start = m_page_starts.value(page - 1, m_text_end);
    // Made in its final size, in pieces: no second copy while it grows.
    QString text;
    text.reserve(int(m_text_end - start) + kPageEnd.size());
    QTextDecoder decoder(QTextCodec::codecForName("UTF-8"));
    constexpr qint64 kPiece = 16 << 20;
    for (qint64 at = start; at < m_text_end; at += kPiece)
        text += decoder.toUnicode(m_bytes.constData() + at, int(qMin(kPiece, m_text_end - at)));
    // The plugin closes the last page with "PG;" when it has none; closed
    // here, a job of one page is sent from this text without a copy.
    if (!text.endsWith(kPageEnd))
        text += kPageEnd;
    return text;
}

// One pass: the bytes are checked, the pages found as the plugin cuts them
// (at every "PG;", empty pages skipped) and the pen followed.
QString PlotterFile::check_and_measure(const QString &path)
{
    const auto not_plotter_text = [&path](const QString &fault) {
        return tr("%1 is not plotter text: %2").arg(path, fault);
    };
    m_stats = PlotterStats();
    m_page_starts.clear();
    m_text_end = 0;
    const char *const begin = m_bytes.constData();
    const char *const end = begin + m_bytes.size();
    for (const char *at = begin; at < end; ++at) {
        const uchar c = uchar(*at);
        if ((c < 0x20 && !is_space(char(c))) || c == 0x7f)
            return not_plotter_text(tr("byte 0x%1 at offset %2: binary data").arg(c, 2, 16, QLatin1Char('0')).arg(at - begin));
        if (c >= 0x80) {
            const int length = utf8_length(reinterpret_cast<const uchar *>(at), reinterpret_cast<const uchar *>(end));
            if (length == 0)
                return not_plotter_text(tr("byte 0x%1 at offset %2: invalid UTF-8").arg(c, 2, 16, QLatin1Char('0')).arg(at - begin));
            at += length - 1;
        }
    }

    // Pages as the plugin cuts them, by its own rule.
    QVector<qint64> page_ends;
    QString blank_page;
    vx::protocol::for_each_page(m_bytes, vx::protocol::kPageEnd, [&](int start, int length) {
        const qint64 next = qMin(qint64(start) + length + kPageEnd.size(), qint64(m_bytes.size()));
        if (is_blank(begin + start, begin + start + length)) {
            ++m_stats.blank_pages_dropped;
            return;
        }
        if (m_stats.blank_pages_dropped > 0 && blank_page.isEmpty())
            blank_page = tr("%1: page %2 holds nothing but white space: it would feed a blank sheet")
                             .arg(path).arg(m_page_starts.size() + 1);
        m_page_starts.append(start);
        page_ends.append(next);
        m_text_end = next;
        m_stats.largest_page_bytes = qMax(m_stats.largest_page_bytes, qint64(length) + kPageEnd.size());
    });
    if (!blank_page.isEmpty())
        return blank_page;
    m_stats.pages = m_page_starts.size();
    m_stats.page_path.fill(0.0, m_stats.pages);

    double x = 0.0, y = 0.0;
    bool pen_down = false;
    bool relative = false;
    int page = 0; // the page the command is on
    const char *at = begin;
    while (at < end) {
        const char *command = at;
        while (command < end && is_space(*command))
            ++command;
        if (command == end)
            break;
        const char *close = static_cast<const char *>(memchr(command, ';', size_t(end - command)));
        const bool closed = close;
        if (!closed)
            close = end;
        if (close - command < 2 || !is_letter(command[0]) || !is_letter(command[1]))
            return not_plotter_text(tr("\"%1\" at offset %2 is no plotter command")
                .arg(QString::fromUtf8(command, int(qMin<qint64>(close - command, 16))))
                .arg(command - begin));
        const char a = char(command[0] & ~0x20);
        const char b = char(command[1] & ~0x20);
        const char *params = command + 2;
        while (page + 1 < m_stats.pages && page_ends.at(page) <= command - begin) {
            // Each page reaches the machine as a frame of its own, which it
            // cuts from the origin: measured so, the pages weigh in a copy as
            // in the machine's percent.
            ++page;
            x = y = 0.0;
            relative = false;
        }
        if (!takes_text(a, b)) {
            for (const char *p = params; p < close; ++p) {
                if (!(is_space(*p) || (*p >= '0' && *p <= '9') || *p == ',' || *p == '.' || *p == '-' || *p == '+'))
                    return not_plotter_text(tr("\"%1\" at offset %2 has parameters that are no numbers")
                        .arg(QString::fromUtf8(command, int(qMin<qint64>(close - command, 16))))
                        .arg(command - begin));
            }
        }
        if (!closed)
            return not_plotter_text(tr("\"%1\" at offset %2 is not closed by \";\"")
                .arg(QString::fromUtf8(command, int(qMin<qint64>(end - command, 16))).trimmed())
                .arg(command - begin));
        const bool moves = a == 'P' && (b == 'U' || b == 'D' || b == 'A' || b == 'R');
        if (moves) {
            if (b == 'U' || b == 'D')
                pen_down = b == 'D';
            else
                relative = b == 'R';
            const char *p = params;
            double nx = 0.0, ny = 0.0;
            while (next_number(p, close, &nx) && next_number(p, close, &ny)) {
                const double tx = relative ? x + nx : nx;
                const double ty = relative ? y + ny : ny;
                const double length = qSqrt((tx - x) * (tx - x) + (ty - y) * (ty - y));
                if (page < m_stats.pages)
                    m_stats.page_path[page] += length;
                if (pen_down) {
                    m_stats.cut += length;
                    for (const auto &point : {qMakePair(x, y), qMakePair(tx, ty)}) {
                        if (!m_stats.has_box) {
                            m_stats.min_x = m_stats.max_x = point.first;
                            m_stats.min_y = m_stats.max_y = point.second;
                            m_stats.has_box = true;
                        }
                        m_stats.min_x = qMin(m_stats.min_x, point.first);
                        m_stats.max_x = qMax(m_stats.max_x, point.first);
                        m_stats.min_y = qMin(m_stats.min_y, point.second);
                        m_stats.max_y = qMax(m_stats.max_y, point.second);
                    }
                } else {
                    m_stats.travel += length;
                }
                x = tx;
                y = ty;
            }
        }
        at = close + 1;
    }
    return QString();
}

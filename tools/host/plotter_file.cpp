#include "plotter_file.h"

#include "host_texts_p.h"
#include "hpgl_interpreter.h"

#include "protocol.h"
#include "regular_file.h"
#include "svg_import.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QJsonObject>
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QtCore/QStringDecoder>
#else
#include <QtCore/QTextCodec>
#endif

#include <limits>

namespace {

const QLatin1String kPageEnd(vx::protocol::kPageEnd);

bool is_space(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool is_blank(const char *at, const char *end)
{
    for (; at < end; ++at) {
        if (!is_space(*at))
            return false;
    }
    return true;
}

} // namespace

QString dropped_pages_note(const PlotterStats &stats)
{
    if (stats.blank_pages_dropped == 0)
        return QString();
    return VxctlText::tr("\nnot sent: the white space after page %1 (as a page it would feed a blank sheet)").arg(stats.pages);
}

QString changes_note(const PlotterStats &stats)
{
    QString note;
    if (!stats.imported.isEmpty())
        note += QLatin1Char('\n') + stats.imported;
    if (!stats.changes.isEmpty())
        note += VxctlText::tr("\nchanged to what the machine takes: %1").arg(stats.changes.join(QStringLiteral(", ")));
    if (stats.unknown_count > 0) {
        QStringList listed;
        for (const QJsonValue &command : stats.unknown) {
            if (listed.size() == 5)
                break;
            listed << VxctlText::tr("%1 at offset %2").arg(command[QLatin1String("command")].toString())
                          .arg(qint64(command[QLatin1String("offset")].toDouble()));
        }
        if (stats.unknown_count > listed.size())
            listed << VxctlText::tr("%1 more").arg(stats.unknown_count - listed.size());
        note += VxctlText::tr("\nsent as they are but not measured (the figures leave them out): %1").arg(listed.join(QStringLiteral(", ")));
    }
    if (stats.measured_short)
        note += VxctlText::tr("\na polygon too large to follow: the path and the time are more than shown");
    return note;
}

bool PlotterFile::read(const QString &path, QString *error)
{
    QFile file;
    if (!open_regular_file(file, path, error))
        return false;
    // The plugin takes the job as UTF-16 text, which Qt 5 holds up to 2 GiB.
    if (file.size() > std::numeric_limits<int>::max() / 2 - 64) {
        *error = VxctlText::tr("%1 is too large: the plugin takes jobs up to 1 GiB").arg(path);
        return false;
    }
    if (!read_whole_file(file, &m_bytes) || !file.atEnd()) {
        *error = VxctlText::tr("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QString imported;
    if (SvgImport::looks_like_svg(path, m_bytes.left(1024))) {
        SvgImport svg;
        if (!svg.convert(path, m_bytes, m_svg_by_layer ? SvgImport::ByLayer : SvgImport::OnePage, error)) {
            m_bytes = QByteArray();
            return false;
        }
        m_bytes = svg.take_hpgl();
        imported = svg.summary();
    }
    const QString fault = check_and_measure(path);
    m_stats.imported = imported;
    if (!fault.isEmpty()) {
        *error = fault;
        m_bytes = QByteArray();
        return false;
    }
    if (m_stats.pages == 0) {
        *error = VxctlText::tr("%1 holds no plotter commands").arg(path);
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
    // A decoder keeps a character split between two pieces whole. Qt 6
    // has QStringDecoder in place of Qt 5's QTextCodec.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QStringDecoder decoder(QStringDecoder::Utf8);
#else
    QTextDecoder decoder(QTextCodec::codecForName("UTF-8"));
#endif
    constexpr qint64 kPiece = 16 << 20;
    for (qint64 at = start; at < m_text_end; at += kPiece) {
        const int size = int(qMin(kPiece, m_text_end - at));
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        text += decoder.decode(QByteArrayView(m_bytes.constData() + at, size));
#else
        text += decoder.toUnicode(m_bytes.constData() + at, size);
#endif
    }
    // The plugin closes the last page with "PG;" when it has none; closed
    // here, a job of one page is sent from this text without a copy.
    if (!text.endsWith(kPageEnd))
        text += kPageEnd;
    return text;
}

// Calls page(start, length) for each page of the normalised text as the
// plugin cuts it: at every "PG;", empty pages skipped. The interpreter
// knows where it wrote each; only a label or a text parameter may hold one
// it did not write, and then the text is searched by the plugin's own rule.
template <typename Page>
void PlotterFile::each_page(const HpglInterpreter &interpreter, Page page) const
{
    if (!interpreter.page_marks_complete()) {
        vx::protocol::for_each_page(m_bytes, vx::protocol::kPageEnd, page);
        return;
    }
    qint64 start = 0;
    for (qint64 mark : interpreter.page_marks()) {
        if (mark > start)
            page(int(start), int(mark - start));
        start = mark + kPageEnd.size();
    }
    if (start < m_bytes.size())
        page(int(start), int(m_bytes.size() - start));
}

// The bytes checked, normalised and measured by the interpreter; the pages
// found as the plugin cuts them.
QString PlotterFile::check_and_measure(const QString &path)
{
    const auto not_plotter_text = [&path](const QString &fault) {
        return VxctlText::tr("%1 is not plotter text: %2").arg(path, fault);
    };
    m_stats = PlotterStats();
    m_paths.clear();
    m_page_starts.clear();
    m_text_end = 0;
    HpglInterpreter interpreter;
    interpreter.set_keep_points(m_keep_paths);
    QString fault;
    if (!interpreter.run(m_bytes, &fault))
        return not_plotter_text(fault);
    m_bytes = interpreter.take_normalised();
    m_stats.changes = interpreter.changes();
    m_stats.unknown_count = interpreter.unknown_count();
    m_stats.measured_short = interpreter.measured_short();
    m_stats.points_short = !interpreter.path_complete();
    for (const HpglInterpreter::Unknown &command : interpreter.unknown())
        m_stats.unknown.append(QJsonObject{{QStringLiteral("command"), QString::fromLatin1(command.name, 2)},
                                           {QStringLiteral("offset"), double(command.offset)}});
    const char *const begin = m_bytes.constData();

    QString blank_page;
    each_page(interpreter, [&](int start, int length) {
        const qint64 next = qMin(qint64(start) + length + kPageEnd.size(), qint64(m_bytes.size()));
        if (is_blank(begin + start, begin + start + length)) {
            ++m_stats.blank_pages_dropped;
            return;
        }
        if (m_stats.blank_pages_dropped > 0 && blank_page.isEmpty())
            blank_page = VxctlText::tr("%1: page %2 holds nothing but white space: it would feed a blank sheet")
                             .arg(path).arg(m_page_starts.size() + 1);
        m_page_starts.append(start);
        m_text_end = next;
        m_stats.largest_page_bytes = qMax(m_stats.largest_page_bytes, qint64(length) + kPageEnd.size());
    });
    if (!blank_page.isEmpty())
        return blank_page;
    m_stats.pages = m_page_starts.size();
    m_stats.page_path.fill(0.0, m_stats.pages);
    // Only the figures are kept: the points would weigh as much as the
    // file while it is sent. A label holding "PG;" is cut there by the
    // plugin, not by the interpreter: the figures then go to the pages as
    // far as they agree.
    QVector<PlotPage> plot = interpreter.take_pages();
    for (int page = 0; page < qMin(plot.size(), m_stats.pages); ++page) {
        const PlotPage &p = plot.at(page);
        m_stats.page_path[page] = p.cut + p.travel;
        m_stats.cut += p.cut;
        m_stats.travel += p.travel;
        if (!p.has_box)
            continue;
        if (!m_stats.has_box) {
            m_stats.min_x = p.min_x, m_stats.max_x = p.max_x, m_stats.min_y = p.min_y, m_stats.max_y = p.max_y;
            m_stats.has_box = true;
        }
        m_stats.min_x = qMin(m_stats.min_x, p.min_x);
        m_stats.max_x = qMax(m_stats.max_x, p.max_x);
        m_stats.min_y = qMin(m_stats.min_y, p.min_y);
        m_stats.max_y = qMax(m_stats.max_y, p.max_y);
    }
    if (m_keep_paths) {
        // The white space after the last page is no page.
        plot.resize(qMin(plot.size(), m_stats.pages));
        for (PlotPage &page : plot) {
            page.points.squeeze();
            page.strokes.squeeze();
        }
        m_paths = std::move(plot);
    }
    return QString();
}

#include "design_picture.h"

#include "host_texts_p.h"
#include "job_progress.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>
#include <QtCore/QSaveFile>
#include <QtGui/QFontMetricsF>
#include <QtGui/QImage>
#include <QtGui/QImageWriter>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtSvg/QSvgGenerator>

#include <cmath>

const int kDesignPictureWidth = 1200;
const int kDesignPictureHeight = 800;

namespace {

constexpr double kMargin = 16.0;
constexpr double kLegendWidth = 320.0;
// More would leave a page too small to see; the legend says how many are drawn.
constexpr int kMostPagesDrawn = 36;
// A page of more points is too dense for its strokes' width to show: it is
// drawn with thin, plain lines, which take a fraction of the time.
constexpr int kDetailedPoints = 100000;
const QColor kBackground(0xff, 0xff, 0xff);
const QColor kAreaFill(0xf2, 0xf2, 0xee);
const QColor kAreaEdge(0x80, 0x80, 0x80);

// What the picture must hold in plotter units: the area and every point.
QRectF extent(const DesignSheet &sheet)
{
    // By hand: QRectF's union drops rectangles of no width or height.
    bool any = sheet.area.known();
    double left = 0.0, bottom = 0.0;
    double right = any ? sheet.area.width_mm * PlotPage::kUnitsPerMm : 0.0;
    double top = any ? sheet.area.height_mm * PlotPage::kUnitsPerMm : 0.0;
    for (const PlotPage &page : sheet.pages) {
        for (const PlotPoint &point : page.points) {
            if (!any)
                left = right = point.x, bottom = top = point.y, any = true;
            left = qMin(left, double(point.x)), right = qMax(right, double(point.x));
            bottom = qMin(bottom, double(point.y)), top = qMax(top, double(point.y));
        }
    }
    QRectF box(QPointF(left, bottom), QPointF(right, top));
    if (box.width() <= 0.0)
        box.adjust(-20.0, 0.0, 20.0, 0.0);
    if (box.height() <= 0.0)
        box.adjust(0.0, -20.0, 0.0, 20.0);
    return box;
}

// One page's strokes as polylines in pixels, pen down and pen up. Points
// closer than a pixel to the last one kept add nothing to the picture:
// a large design draws as fast as a small one.
void page_lines(const PlotPage &page, const QTransform &to_pixels, QVector<QPolygonF> *down, QVector<QPolygonF> *up)
{
    for (int i = 0; i < page.strokes.size(); ++i) {
        const int first = int(page.strokes.at(i) & PlotPage::kIndex);
        const int end = qMin(i + 1 < page.strokes.size() ? int(page.strokes.at(i + 1) & PlotPage::kIndex)
                                                         : page.points.size(),
                             page.points.size());
        if (end - first < 2)
            continue;
        QPolygonF line;
        for (int p = first; p < end; ++p) {
            const QPointF at = to_pixels.map(QPointF(page.points.at(p).x, page.points.at(p).y));
            if (line.isEmpty() || p == end - 1 || std::abs(at.x() - line.last().x()) >= 1.0
                || std::abs(at.y() - line.last().y()) >= 1.0)
                line << at;
        }
        (page.strokes.at(i) & PlotPage::kPenDown ? down : up)->append(line);
    }
}

void draw_legend(QPainter &painter, const QRectF &rect, const DesignSheet &sheet)
{
    const double mm = 1.0 / PlotPage::kUnitsPerMm;
    double cut = 0.0, travel = 0.0;
    bool has_box = false;
    double min_x = 0.0, min_y = 0.0, max_x = 0.0, max_y = 0.0;
    for (const PlotPage &page : sheet.pages) {
        cut += page.cut;
        travel += page.travel;
        if (!page.has_box)
            continue;
        if (!has_box)
            min_x = page.min_x, min_y = page.min_y, max_x = page.max_x, max_y = page.max_y, has_box = true;
        min_x = qMin(min_x, page.min_x), max_x = qMax(max_x, page.max_x);
        min_y = qMin(min_y, page.min_y), max_y = qMax(max_y, page.max_y);
    }
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.lineSpacing() * 1.3;
    QPointF at(rect.left() + 8.0, rect.top() + line);
    painter.setPen(Qt::black);
    painter.drawText(at, sheet.title);
    at.ry() += line;
    painter.drawText(at, sheet.pages.size() == 1 ? VxhostText::tr("1 page") : VxhostText::tr("%1 pages").arg(sheet.pages.size()));
    if (sheet.pages.size() > kMostPagesDrawn) {
        at.ry() += line;
        painter.drawText(at, VxhostText::tr("the first %1 drawn").arg(kMostPagesDrawn));
    }
    for (int i = 0; i < qMin(sheet.pages.size(), kMostPagesDrawn) && at.y() < rect.bottom() - 10 * line; ++i) {
        at.ry() += line;
        painter.fillRect(QRectF(at.x(), at.y() - metrics.ascent() + 2.0, 24.0, metrics.ascent() - 4.0),
                         design_page_colour(i));
        painter.drawText(at + QPointF(32.0, 0.0), VxhostText::tr("page %1").arg(i + 1));
    }
    const QStringList lines{
        !has_box ? VxhostText::tr("size: nothing is cut")
                 : VxhostText::tr("size: %1 x %2 mm").arg((max_x - min_x) * mm, 0, 'f', 1).arg((max_y - min_y) * mm, 0, 'f', 1),
        sheet.area.known() ? VxhostText::tr("area: %1 x %2 mm").arg(sheet.area.width_mm, 0, 'f', 1).arg(sheet.area.height_mm, 0, 'f', 1)
                           : VxhostText::tr("area: unknown"),
        VxhostText::tr("      (%1)").arg(sheet.area.from),
        VxhostText::tr("path: %1 mm cut").arg(cut * mm, 0, 'f', 1),
        VxhostText::tr("      %1 mm with the pen up").arg(travel * mm, 0, 'f', 1),
        sheet.speed > 0.0 ? VxhostText::tr("time: %1 per copy").arg(clock_text(sheet.seconds)) : VxhostText::tr("time: unknown (no speed)"),
        sheet.speed > 0.0 ? VxhostText::tr("      at %1 mm/s").arg(sheet.speed) : QString(),
        VxhostText::tr("solid: pen down, dashed: pen up"),
        VxhostText::tr("ring: where the page starts")};
    at.ry() += line * 0.5;
    for (const QString &text : lines) {
        at.ry() += line;
        painter.drawText(at, text);
    }
}

} // namespace

QColor design_page_colour(int index)
{
    static const QRgb colours[] = {0x1f77b4, 0xd62728, 0x2ca02c, 0x9467bd, 0xff7f0e, 0x17becf,
                                   0x8c564b, 0xe377c2, 0xbcbd22, 0x393b79, 0x637939, 0x843c39};
    return QColor(colours[index % int(sizeof colours / sizeof *colours)]);
}

namespace {

QRectF page_view(const QRectF &rect, const DesignSheet &sheet)
{
    return sheet.legend ? QRectF(rect.left(), rect.top(), rect.width() - kLegendWidth, rect.height()) : rect;
}

// Every segment of the page's strokes, pen down or up, with the path
// before it, from the cursor's place on; a visit that returns false leaves
// the cursor at its segment.
template<typename Visit>
void walk_page(const PlotPage &page, Visit visit, DesignCursor *at)
{
    for (int i = at->stroke; i < page.strokes.size(); ++i) {
        const int first = int(page.strokes.at(i) & PlotPage::kIndex);
        const int end = i + 1 < page.strokes.size() ? int(page.strokes.at(i + 1) & PlotPage::kIndex) : page.points.size();
        const bool down = page.strokes.at(i) & PlotPage::kPenDown;
        const int resume = i == at->stroke ? at->point : 0;
        for (int p = qMax(qMax(first, resume), 1); p < qMin(end, page.points.size()); ++p) {
            const PlotPoint a = page.points.at(p - 1), b = page.points.at(p);
            // As the interpreter measured the path (floats: no overflow).
            const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
            const double length = std::sqrt(dx * dx + dy * dy);
            if (!visit(a, b, down, at->along, length)) {
                at->stroke = i, at->point = p;
                return;
            }
            at->along += length;
        }
    }
    at->stroke = page.strokes.size(), at->point = 0;
}

// The pen-down cuts of a page between two shares of its path, walked from
// the cursor when it lies before them. The cursor is left at the segment
// the end falls in, for the next part.
QPainterPath page_part(const PlotPage &page, double from, double to, const QTransform &to_pixels, DesignCursor *at)
{
    QPainterPath path;
    const double total = page.cut + page.travel;
    if (total <= 0.0 || to <= from)
        return path;
    const double start = from * total, end = to * total;
    if (at->along > start)
        *at = DesignCursor{at->page, 0, 0, 0.0};
    QPointF last(qQNaN(), qQNaN());
    walk_page(page, [&](PlotPoint a, PlotPoint b, bool down, double along, double length) {
        if (along >= end)
            return false;
        const bool ends_here = along + length > end;
        if (down && along + length > start && length > 0.0) {
            const QPointF pa(a.x, a.y), pb(b.x, b.y);
            const QPointF p0 = along >= start ? pa : pa + (pb - pa) * ((start - along) / length);
            const QPointF p1 = ends_here ? pa + (pb - pa) * ((end - along) / length) : pb;
            const QPointF m0 = to_pixels.map(p0), m1 = to_pixels.map(p1);
            if (m0 != last)
                path.moveTo(m0);
            path.lineTo(m1);
            last = m1;
        }
        return !ends_here;
    }, at);
    return path;
}

} // namespace

QVector<DesignCell> design_cells(const QRectF &rect, const DesignSheet &sheet)
{
    const QRectF view = page_view(rect, sheet);
    // Each page is a sheet of its own on the belt: the pages side by side in
    // a grid, all at one scale.
    const int shown = qMax(qMin(sheet.pages.size(), kMostPagesDrawn), 1);
    const QRectF world = extent(sheet);
    // The grid that draws the pages largest.
    int columns = 1;
    double scale = 0.0;
    for (int c = 1; c <= shown; ++c) {
        const int r = (shown + c - 1) / c;
        const double s = qMin((view.width() / c - 2 * kMargin) / world.width(),
                              (view.height() / r - 2 * kMargin) / world.height());
        if (s > scale)
            scale = s, columns = c;
    }
    const int rows = (shown + columns - 1) / columns;
    const QSizeF cell(view.width() / columns, view.height() / rows);
    QVector<DesignCell> cells;
    for (int i = 0; i < shown; ++i) {
        DesignCell at;
        at.rect = QRectF(view.topLeft() + QPointF(i % columns * cell.width(), i / columns * cell.height()), cell);
        // Centred, y flipped: the plotter's origin is at the bottom left.
        at.to_pixels.translate(at.rect.center().x(), at.rect.center().y());
        at.to_pixels.scale(scale, -scale);
        at.to_pixels.translate(-world.center().x(), -world.center().y());
        cells.append(at);
    }
    return cells;
}

void draw_design(QPainter &painter, const QRectF &rect, const DesignSheet &sheet)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect, kBackground);
    const QVector<DesignCell> cells = design_cells(rect, sheet);
    const QFontMetricsF metrics(painter.font());
    for (int i = 0; i < cells.size(); ++i) {
        const QTransform &to_pixels = cells.at(i).to_pixels;
        if (sheet.area.known()) {
            painter.setPen(QPen(kAreaEdge, 1.0));
            painter.setBrush(kAreaFill);
            painter.drawRect(to_pixels.mapRect(QRectF(0.0, 0.0, sheet.area.width_mm * PlotPage::kUnitsPerMm,
                                                      sheet.area.height_mm * PlotPage::kUnitsPerMm)));
            painter.setBrush(Qt::NoBrush);
        }
        if (i >= sheet.pages.size())
            break;
        const PlotPage &page = sheet.pages.at(i);
        const QColor colour = design_page_colour(i);
        QVector<QPolygonF> down, up;
        page_lines(page, to_pixels, &down, &up);
        const bool dense = page.points.size() > kDetailedPoints;
        painter.setRenderHint(QPainter::Antialiasing, !dense);
        // Round joins would cost an arc at every point of a large design.
        painter.setPen(dense ? QPen(colour, 0.0) : QPen(colour, 3.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        for (const QPolygonF &line : qAsConst(down))
            painter.drawPolyline(line);
        // Over the cuts, so that a move along a cut still shows.
        painter.setPen(QPen(colour.darker(170), dense ? 0.0 : 1.0, dense ? Qt::SolidLine : Qt::DashLine));
        for (const QPolygonF &line : qAsConst(up))
            painter.drawPolyline(line);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(colour);
        painter.drawText(cells.at(i).rect.topLeft() + QPointF(4.0, metrics.ascent() + 2.0), VxhostText::tr("page %1").arg(i + 1));
        if (!page.points.isEmpty()) {
            painter.setPen(QPen(Qt::black, 2.0));
            painter.drawEllipse(to_pixels.map(QPointF(page.points.first().x, page.points.first().y)), 6.0, 6.0);
        }
    }
    if (sheet.legend) {
        const QRectF legend(rect.right() - kLegendWidth, rect.top(), kLegendWidth, rect.height());
        painter.setPen(QPen(kAreaEdge, 1.0));
        painter.drawLine(legend.topLeft(), legend.bottomLeft());
        draw_legend(painter, legend, sheet);
    }
    painter.restore();
}

void draw_design_part(QPainter &painter, const QVector<DesignCell> &cells, const DesignSheet &sheet,
                      DesignPosition from, DesignPosition to, const QColor &colour, DesignCursor *cursor)
{
    DesignCursor own;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int last = qMin(to.page, int(qMin(sheet.pages.size(), cells.size())) - 1);
    for (int i = qMax(from.page, 0); i <= last; ++i) {
        const double start = i == from.page ? from.share : 0.0;
        const double end = i == to.page ? to.share : 1.0;
        const bool dense = sheet.pages.at(i).points.size() > kDetailedPoints;
        painter.setRenderHint(QPainter::Antialiasing, !dense);
        painter.setPen(dense ? QPen(colour, 2.0) : QPen(colour, 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        DesignCursor *at = cursor ? cursor : &own;
        if (at->page != i)
            *at = DesignCursor{i, 0, 0, 0.0};
        painter.drawPath(page_part(sheet.pages.at(i), start, end, cells.at(i).to_pixels, at));
    }
    painter.restore();
}

void mark_design_page(QPainter &painter, const QVector<DesignCell> &cells, int page, const QColor &colour)
{
    if (page < 0 || page >= cells.size())
        return;
    painter.save();
    painter.setPen(QPen(colour, 3.0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cells.at(page).rect.adjusted(2.0, 2.0, -2.0, -2.0));
    painter.restore();
}

bool write_design_picture(const QString &path, const DesignSheet &sheet, QString *error)
{
    const QRectF page(0, 0, kDesignPictureWidth, kDesignPictureHeight);
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        // Written whole or not at all: a full disk leaves no half drawing.
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            QSvgGenerator generator;
            generator.setOutputDevice(&file);
            generator.setSize(page.size().toSize());
            generator.setViewBox(page);
            generator.setTitle(sheet.title);
            QPainter painter(&generator);
            draw_design(painter, page, sheet);
            painter.end();
            if (file.error() == QFileDevice::NoError && file.commit())
                return true;
        }
        *error = VxhostText::tr("cannot write the picture %1: %2").arg(path, file.errorString());
        return false;
    }
    QImage image(kDesignPictureWidth, kDesignPictureHeight, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        draw_design(painter, page, sheet);
    }
    QImageWriter writer(path, "png");
    if (writer.write(image))
        return true;
    *error = VxhostText::tr("cannot write the picture %1: %2").arg(path, writer.errorString());
    return false;
}

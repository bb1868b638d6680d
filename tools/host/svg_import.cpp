#include "svg_import.h"

#include "host_texts_p.h"
#include "plotter_file.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>
#include <QtCore/QLoggingCategory>
#include <QtCore/QMap>
#include <QtCore/QSet>
#include <QtCore/QRegularExpression>
#include <QtCore/QXmlStreamReader>
#include <QtGui/QGuiApplication>
#include <QtGui/QPaintDevice>
#include <QtGui/QPaintEngine>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtSvg/QSvgRenderer>

#include <cmath>

Q_LOGGING_CATEGORY(lcSvg, "vx.host.svg")

namespace {

// Every outline drawn, in plotter units with y up. The painter's transform
// is applied here (the engine claims every feature, so Qt hands over the
// shapes untransformed) and curves are flattened by Qt in plotter units,
// finer than the interpreter's chord tolerance.
class OutlineEngine : public QPaintEngine
{
public:
    OutlineEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    QTransform flip;               // user units to plotter units, y up
    QVector<QPolygonF> polylines;  // the cut lines
    int images = 0;                // pictures: nothing to cut

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & QPaintEngine::DirtyTransform)
            m_transform = state.transform();
    }
    void drawPath(const QPainterPath &path) override
    {
        // A shape filled and stroked comes twice: its outline is cut once.
        QList<QPolygonF> outline = path.toSubpathPolygons(m_transform * flip);
        if (outline == m_last)
            return;
        for (const QPolygonF &polyline : outline)
            keep(polyline);
        m_last = std::move(outline);
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        QPolygonF polyline;
        for (int i = 0; i < count; ++i)
            polyline << points[i];
        if (mode != PolylineMode && count > 0)
            polyline << points[0];
        // A polygon filled and stroked comes twice too.
        QList<QPolygonF> outline{(m_transform * flip).map(polyline)};
        if (outline == m_last)
            return;
        keep(outline.first());
        m_last = std::move(outline);
    }
    void drawLines(const QLineF *lines, int count) override
    {
        m_last.clear();
        for (int i = 0; i < count; ++i)
            keep((m_transform * flip).map(QPolygonF(QVector<QPointF>{lines[i].p1(), lines[i].p2()})));
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            QPainterPath path;
            path.addRect(rects[i]);
            drawPath(path);
        }
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { ++images; }
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override { ++images; }

private:
    void keep(QPolygonF polyline)
    {
        if (polyline.size() >= 2)
            polylines.append(std::move(polyline));
    }

    QTransform m_transform;
    QList<QPolygonF> m_last;
};

class OutlineDevice : public QPaintDevice
{
public:
    QPaintEngine *paintEngine() const override { return &m_engine; }
    OutlineEngine &engine() { return m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: case PdmHeight: return 100000;
        case PdmWidthMM: case PdmHeightMM: return 100000 / 40;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 1016; // 40 per mm
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 32;
        }
    }

private:
    mutable OutlineEngine m_engine;
};

// A length of the root element in mm; 0 when it has no unit this reads.
double length_mm(const QString &text)
{
    static const QRegularExpression length(QStringLiteral("^\\s*([-+]?[0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?)\\s*(mm|cm|in|px|pt|pc|)\\s*$"));
    const QRegularExpressionMatch match = length.match(text);
    if (!match.hasMatch())
        return 0.0;
    const double value = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    const double per_unit = unit == QLatin1String("mm") ? 1.0
        : unit == QLatin1String("cm") ? 10.0
        : unit == QLatin1String("in") ? 25.4
        : unit == QLatin1String("pt") ? 25.4 / 72.0
        : unit == QLatin1String("pc") ? 25.4 / 6.0
                                      : 25.4 / 96.0; // px and plain numbers
    return value > 0.0 ? value * per_unit : 0.0;
}

struct Layer
{
    QString id, label;
};

// The root's size and the top-level groups, which are the layers.
struct Outline
{
    double width_mm = 0.0, height_mm = 0.0;
    bool has_view_box = false;
    QVector<Layer> layers;
    int outside_layers = 0; // drawn top-level elements that are no group
    QString xml_error;
    QMap<QString, int> not_drawn; // SVG elements Qt's SVG module skips
};

// What Qt's SVG module (SVG Tiny 1.2) draws or reads for its drawing.
bool drawn_by_qt(QStringView name)
{
    static const QSet<QString> known{
        "svg", "g", "a", "defs", "circle", "ellipse", "line", "path", "polygon", "polyline", "rect", "text",
        "tspan", "textArea", "tbreak", "use", "image", "switch", "title", "desc", "metadata", "style",
        "linearGradient", "radialGradient", "stop", "solidColor", "font", "font-face", "font-face-name",
        "font-face-src", "font-face-uri", "glyph", "missing-glyph", "hkern", "animate", "animateColor",
        "animateMotion", "animateTransform", "set", "mpath", "audio", "video", "handler", "prefetch", "discard"};
    return known.contains(name.toString());
}

Outline read_outline(const QByteArray &bytes)
{
    Outline outline;
    QXmlStreamReader xml(bytes);
    int depth = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement)
            --depth;
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        if (xml.namespaceUri() == QLatin1String("http://www.w3.org/2000/svg") && !drawn_by_qt(xml.name()))
            ++outline.not_drawn[xml.name().toString()];
        const QXmlStreamAttributes attributes = xml.attributes();
        if (depth == 1) {
            outline.width_mm = length_mm(attributes.value(QLatin1String("width")).toString());
            outline.height_mm = length_mm(attributes.value(QLatin1String("height")).toString());
            outline.has_view_box = attributes.hasAttribute(QLatin1String("viewBox"));
        } else if (depth == 2 && xml.name() == QLatin1String("g")) {
            QString label;
            for (const QXmlStreamAttribute &attribute : attributes) {
                if (attribute.name() == QLatin1String("label"))
                    label = attribute.value().toString();
            }
            outline.layers.append({attributes.value(QLatin1String("id")).toString(), label});
        } else if (depth == 2) {
            static const QSet<QString> not_drawing{"defs", "title", "desc", "metadata", "style", "linearGradient",
                                                   "radialGradient", "font", "font-face"};
            outline.outside_layers += drawn_by_qt(xml.name()) && !not_drawing.contains(xml.name().toString());
        }
    }
    if (xml.hasError())
        outline.xml_error = QCoreApplication::translate("vxctl", "%1 at line %2").arg(xml.errorString()).arg(xml.lineNumber());
    return outline;
}

// What the SVG module says while it reads, kept for the operator.
QStringList *g_warnings = nullptr;
QtMessageHandler g_previous = nullptr;

void keep_warning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (g_warnings && type == QtWarningMsg && g_warnings->size() < 20)
        g_warnings->append(message.simplified());
    else if (g_previous)
        g_previous(type, context, message);
}

// The plugin takes jobs up to 1 GiB; false when the text would be larger.
bool write_page(QByteArray &out, const QVector<QPolygonF> &polylines)
{
    constexpr int kMostBytes = 1 << 30;
    for (const QPolygonF &polyline : polylines) {
        if (out.size() > kMostBytes)
            return false;
        out += "PU" + QByteArray::number(qRound(polyline.first().x())) + ','
            + QByteArray::number(qRound(polyline.first().y())) + ";PD";
        for (int i = 1; i < polyline.size(); ++i) {
            if (i > 1)
                out += ',';
            out += QByteArray::number(qRound(polyline.at(i).x())) + ','
                + QByteArray::number(qRound(polyline.at(i).y()));
        }
        out += ";\n";
    }
    return out.size() <= kMostBytes;
}

} // namespace

bool SvgImport::looks_like_svg(const QString &path, const QByteArray &head)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        return true;
    const QByteArray start = head.left(1024).trimmed();
    return (start.startsWith("<?xml") || start.startsWith("<svg") || start.startsWith("<!--"))
        && start.contains("<svg");
}

bool SvgImport::pages_by(const QString &word, PagesBy *pages_by)
{
    if (word != QLatin1String("none") && word != QLatin1String("layer"))
        return false;
    *pages_by = word == QLatin1String("layer") ? ByLayer : OnePage;
    return true;
}

bool SvgImport::convert(const QString &path, const QByteArray &bytes, PagesBy pages_by, QString *error)
{
    m_hpgl.clear();
    m_summary.clear();
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        *error = VxctlText::tr("%1 is SVG: name it *.svg so that vxctl starts with what draws it").arg(path);
        return false;
    }
    QStringList warnings;
    g_warnings = &warnings;
    g_previous = qInstallMessageHandler(keep_warning);
    QSvgRenderer renderer(bytes);
    qInstallMessageHandler(g_previous);
    g_warnings = nullptr;
    for (const QString &warning : qAsConst(warnings))
        qCWarning(lcSvg).noquote() << path << warning;
    const Outline outline = read_outline(bytes);
    if (!outline.xml_error.isEmpty())
        warnings.prepend(outline.xml_error);
    if (!renderer.isValid() || !outline.xml_error.isEmpty()) {
        *error = VxctlText::tr("%1 is not SVG that Qt's SVG module reads: %2")
                     .arg(path, warnings.isEmpty() ? VxctlText::tr("no drawing found") : warnings.join(QStringLiteral("; ")));
        return false;
    }
    for (auto it = outline.not_drawn.begin(); it != outline.not_drawn.end(); ++it)
        warnings << VxctlText::tr("%1 (%2, not understood)").arg(it.key()).arg(it.value());
    // Without a view box a user unit is a px at 96 per inch (Qt would
    // count 90 for lengths in mm).
    if (!outline.has_view_box && outline.width_mm > 0.0 && outline.height_mm > 0.0)
        renderer.setViewBox(QRectF(0.0, 0.0, outline.width_mm * 96.0 / 25.4, outline.height_mm * 96.0 / 25.4));
    const QRectF view = renderer.viewBoxF();
    // No size of its own: the view box counts in px.
    const double width_mm = outline.width_mm > 0.0 ? outline.width_mm : view.width() * 25.4 / 96.0;
    const double height_mm = outline.height_mm > 0.0 ? outline.height_mm : view.height() * 25.4 / 96.0;
    if (!(width_mm > 0.0 && height_mm > 0.0) || view.isEmpty()) {
        *error = VxctlText::tr("%1 has no size: give its svg element width and height or a viewBox").arg(path);
        return false;
    }
    const QRectF page(0.0, 0.0, width_mm * PlotterStats::kUnitsPerMm, height_mm * PlotterStats::kUnitsPerMm);

    OutlineDevice device;
    device.engine().flip = QTransform(1, 0, 0, -1, 0, page.height());
    QStringList not_cut;
    int without_id = 0; // top-level groups Qt cannot draw alone

    QVector<QVector<QPolygonF>> pages;
    const auto draw = [&](const QString &id, const QString &label) {
        device.engine().polylines.clear();
        QPainter painter(&device);
        if (id.isEmpty()) {
            renderer.render(&painter, page);
        } else {
            // Drawn in its place: its bounds in user units mapped as the document is.
            const QRectF own = renderer.boundsOnElement(id);
            const QTransform to_page = QTransform::fromScale(page.width() / view.width(), page.height() / view.height());
            const QRectF target = to_page.mapRect(own.translated(-view.topLeft()));
            if (own.width() > 0.0 && own.height() > 0.0)
                renderer.render(&painter, id, target);
        }
        painter.end();
        if (device.engine().polylines.isEmpty())
            not_cut << (!label.isEmpty() ? label : !id.isEmpty() ? id : QFileInfo(path).fileName());
        else
            pages.append(device.engine().polylines);
    };
    if (pages_by == ByLayer && !outline.layers.isEmpty()) {
        for (const Layer &layer : outline.layers) {
            if (layer.id.isEmpty() || !renderer.elementExists(layer.id))
                ++without_id;
            else
                draw(layer.id, layer.label);
        }
    } else {
        draw(QString(), QString());
    }

    int outlines = 0;
    m_hpgl = "IN;\n";
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            m_hpgl += "PG;\n";
        if (!write_page(m_hpgl, pages.at(i))) {
            m_hpgl.clear();
            *error = VxctlText::tr("%1 is too large: as plotter text it is more than the plugin's 1 GiB").arg(path);
            return false;
        }
        outlines += pages.at(i).size();
    }
    m_summary = VxctlText::tr("%1 outline(s) of %2 taken as cut lines (%3 x %4 mm); fills, strokes and colours ignored")
                    .arg(outlines).arg(QFileInfo(path).fileName())
                    .arg(width_mm, 0, 'f', 1).arg(height_mm, 0, 'f', 1);
    if (device.engine().images > 0)
        m_summary += VxctlText::tr("; %1 pictures not cut").arg(device.engine().images);
    if (without_id > 0)
        m_summary += VxctlText::tr("; not cut: %1 top-level group(s) without an id (give each an id, or --pages-by none)").arg(without_id);
    if (!not_cut.isEmpty())
        m_summary += VxctlText::tr("; nothing to cut in: %1").arg(not_cut.join(QStringLiteral(", ")));
    if (pages_by == ByLayer && !outline.layers.isEmpty() && outline.outside_layers > 0)
        m_summary += VxctlText::tr("; not cut: %1 element(s) outside any top-level group (--pages-by none cuts them)")
                         .arg(outline.outside_layers);
    if (!warnings.isEmpty())
        m_summary += VxctlText::tr("; Qt's SVG module could not read: %1").arg(warnings.join(QStringLiteral("; ")));
    return true;
}

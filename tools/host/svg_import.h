#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QStringList>

// A drawing in SVG made into plotter text: Qt's SVG module draws it onto a
// device that keeps every outline as polylines (curves and glyphs
// flattened), in plotter units from the document's own size, y up from the
// drawing's lower left as a vector editor exports it. Fills, strokes and
// colours mean nothing to a knife: every outline drawn is a cut line.
class SvgImport
{
public:
    enum PagesBy { OnePage, ByLayer };

    // True for a file whose name ends in .svg or whose text starts as SVG.
    static bool looks_like_svg(const QString &path, const QByteArray &head);

    // --pages-by: "none" (one page) or "layer"; false for another word.
    static bool pages_by(const QString &word, PagesBy *pages_by);

    // False with a reason naming the file when Qt's SVG module cannot read it.
    bool convert(const QString &path, const QByteArray &bytes, PagesBy pages_by, QString *error);

    const QByteArray &hpgl() const { return m_hpgl; }
    QByteArray take_hpgl() { return std::move(m_hpgl); }
    // What was taken as cut lines, what was ignored and what the SVG module
    // could not read, one sentence.
    const QString &summary() const { return m_summary; }

private:
    QByteArray m_hpgl;
    QString m_summary;
};

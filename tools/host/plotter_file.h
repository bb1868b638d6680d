#pragma once

#include "plot_path.h"

#include <QtCore/QByteArray>
#include <QtCore/QJsonArray>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

class HpglInterpreter;

// What a plotter file draws, found in one pass over its bytes.
struct PlotterStats
{
    static constexpr double kUnitsPerMm = 40.0;
    // The time a path of plotter units takes at mm/s: the knife moves at
    // the set speed with the pen up too. No speed (a simulator that cuts
    // at once) takes no time.
    static double seconds(double units, double mm_per_second)
    {
        return mm_per_second > 0.0 ? units / kUnitsPerMm / mm_per_second : 0.0;
    }

    int pages = 0;
    int blank_pages_dropped = 0;   // white space after the last page, not sent
    qint64 largest_page_bytes = 0; // with its closing "PG;"
    QVector<double> page_path;     // plotter units moved on each page, pen up and down
    double cut = 0.0;              // plotter units with the pen down
    double travel = 0.0;           // plotter units with the pen up
    bool has_box = false;          // of every pen-down segment
    double min_x = 0.0, min_y = 0.0, max_x = 0.0, max_y = 0.0;
    QStringList changes;           // what was changed to make the text the controller takes
    QJsonArray unknown;            // {"command", "offset"} of commands sent but not measured
    int unknown_count = 0;
    bool measured_short = false;   // a polygon too large to follow: the figures fall short
    bool points_short = false;     // more points than are kept: the paths kept stop early
    QString imported;              // an SVG drawing: what was taken as cut lines
};

// What a job's header and dry run say of the white space dropped after the
// last page, on a line of its own; empty when nothing was dropped.
QString dropped_pages_note(const PlotterStats &stats);
// The same for the changes made to the text and the commands not measured.
QString changes_note(const PlotterStats &stats);

// A job file read whole and checked before anything is sent. Plotter text
// is printable ASCII (or UTF-8) in commands of two letters; what is sent is
// the text HpglInterpreter normalised, every command closed by ";" (the
// plugin's closing "PG;" would otherwise run into the last one). A file
// with other control bytes is refused as binary: STX and ETX would cut the
// frame that carries the page, and a NUL ends a frame on USB. Invalid
// UTF-8 is refused too: decoded, it would become other text. A page of
// nothing but white space would feed a blank sheet: after the last page
// it is dropped, before it refused.
class PlotterFile
{
public:
    // False with a reason for a file that cannot be read, is no regular
    // file, is binary or is no plotter text; the reason names the file.
    // An SVG drawing is made plotter text first (SvgImport), a page per
    // top-level group with by_layer.
    bool read(const QString &path, QString *error);
    void set_svg_pages_by_layer(bool by_layer) { m_svg_by_layer = by_layer; }
    // Keeps the pages' paths found while reading, for a picture of them:
    // read once, they weigh about as much as the file again.
    void set_keep_paths(bool keep) { m_keep_paths = keep; }
    // The paths kept, one per page sent; empty unless asked for.
    QVector<PlotPage> take_paths() { return std::move(m_paths); }

    const PlotterStats &stats() const { return m_stats; }
    qint64 size() const { return m_bytes.size(); }
    // The job text from this page (1-based) to the end, as the plugin takes
    // it, closed by "PG;".
    QString text_from_page(int page) const;
    // Lets go of the file's bytes once the text was handed over.
    void release() { m_bytes = QByteArray(); }

private:
    // The fault, naming the file, or an empty text.
    QString check_and_measure(const QString &path);
    template <typename Page>
    void each_page(const HpglInterpreter &interpreter, Page page) const;

    QByteArray m_bytes;
    QVector<qint64> m_page_starts;
    qint64 m_text_end = 0; // the end of the last page sent
    PlotterStats m_stats;
    bool m_svg_by_layer = false;
    bool m_keep_paths = false;
    QVector<PlotPage> m_paths;
};

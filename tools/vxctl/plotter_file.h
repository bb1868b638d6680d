#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QVector>

// What a plotter file draws, found in one pass over its bytes.
struct PlotterStats
{
    static constexpr double kUnitsPerMm = 40.0;
    // The time a path of plotter units takes at mm/s: the knife moves at
    // the set speed with the pen up too.
    static double seconds(double units, double mm_per_second) { return units / kUnitsPerMm / mm_per_second; }

    int pages = 0;
    qint64 largest_page_bytes = 0; // with its closing "PG;"
    QVector<double> page_path;     // plotter units moved on each page, pen up and down
    double cut = 0.0;              // plotter units with the pen down
    double travel = 0.0;           // plotter units with the pen up
    bool has_box = false;          // of every pen-down segment
    double min_x = 0.0, min_y = 0.0, max_x = 0.0, max_y = 0.0;
};

// A job file read whole and checked before anything is sent. Plotter text
// is printable ASCII (or UTF-8) in commands of two letters closed by ";".
// A file with other control bytes is refused as binary: STX and ETX would
// cut the frame that carries the page, and a NUL ends a frame on USB.
class PlotterFile
{
public:
    // False with a reason for a file that cannot be read, is binary or is
    // no plotter text; the reason names the file.
    bool read(const QString &path, QString *error);

    const PlotterStats &stats() const { return m_stats; }
    qint64 size() const { return m_bytes.size(); }
    // The job text from this page (1-based) to the end, as the plugin takes
    // it, closed by "PG;".
    QString text_from_page(int page) const;
    // Lets go of the file's bytes once the text was handed over.
    void release() { m_bytes = QByteArray(); }

private:
    QString check_and_measure();

    QByteArray m_bytes;
    QVector<qint64> m_page_starts;
    PlotterStats m_stats;
};

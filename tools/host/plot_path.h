#pragma once

#include <QtCore/QVector>

// Where the knife goes on one page, in plotter units (40 per mm). Points
// are floats: they hold a unit exactly up to 400 m and take 8 bytes, so a
// large file's path stays within a few times the file's size.
struct PlotPoint
{
    float x, y;
};

struct PlotPage
{
    static constexpr double kUnitsPerMm = 40.0;

    // Strokes, each a run of points joined with the pen up or down: a
    // stroke starts at strokes[i] & kIndex and ends where the next starts.
    static constexpr quint32 kPenDown = 0x80000000u;
    static constexpr quint32 kIndex = 0x7fffffffu;
    QVector<PlotPoint> points;
    QVector<quint32> strokes;

    double cut = 0.0;    // plotter units with the pen down
    double travel = 0.0; // plotter units with the pen up
    bool has_box = false; // of every pen-down segment
    double min_x = 0.0, min_y = 0.0, max_x = 0.0, max_y = 0.0;

    // The time the page takes at mm/s: the knife moves at the set speed
    // with the pen up too. No speed (a simulator that cuts at once) takes
    // no time.
    double seconds(double mm_per_second) const
    {
        return mm_per_second > 0.0 ? (cut + travel) / kUnitsPerMm / mm_per_second : 0.0;
    }
};

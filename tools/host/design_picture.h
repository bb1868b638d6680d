#pragma once

#include "plot_path.h"
#include "work_area.h"

#include <QtCore/QRectF>
#include <QtCore/QString>
#include <QtCore/QVector>
#include <QtGui/QColor>

class QPainter;

// What a picture of a design shows: the pages' paths (plotter units), the
// working area and the figures of the legend.
struct DesignSheet
{
    QVector<PlotPage> pages;
    WorkArea area;
    QString title;          // the file's name
    double seconds = 0.0;   // a copy's time at speed
    double speed = 0.0;     // mm/s
};

// The colour of page `index` (0-based); the colours repeat after a dozen.
QColor design_page_colour(int index);

// Draws the sheet into `rect`: the working area, each page in its colour
// with its number, pen-down paths solid, pen-up moves thin and dashed,
// the start point, and a legend (pages, size, path, time). The plotter's y
// axis points up. The vxctl picture and a console's view share it.
void draw_design(QPainter &painter, const QRectF &rect, const DesignSheet &sheet);

// Writes the sheet as a picture of kDesignPictureWidth x kDesignPictureHeight
// pixels: SVG for a path ending ".svg", else PNG; false with the reason.
extern const int kDesignPictureWidth, kDesignPictureHeight;
bool write_design_picture(const QString &path, const DesignSheet &sheet, QString *error);

#pragma once

#include "plot_path.h"
#include "work_area.h"

#include <QtCore/QRectF>
#include <QtCore/QString>
#include <QtCore/QVector>
#include <QtGui/QColor>
#include <QtGui/QTransform>

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
    bool legend = true;     // a view that shows the figures itself leaves it out
};

// Where a job stands on the sheet: the pages before `page` (0-based) whole,
// and `share` of that page's path, pen-up moves counted, as a job's
// progress measures it.
struct DesignPosition
{
    int page = 0;
    double share = 0.0;
};

// Where a drawn page lies: its cell and the map from plotter units to pixels.
struct DesignCell
{
    QRectF rect;
    QTransform to_pixels;
};
// The cells draw_design lays the pages out in within `rect`.
QVector<DesignCell> design_cells(const QRectF &rect, const DesignSheet &sheet);

// The colour of page `index` (0-based); the colours repeat after a dozen.
QColor design_page_colour(int index);

// Draws the sheet into `rect`: the working area, each page in its colour
// with its number, pen-down paths solid, pen-up moves thin and dashed,
// the start point, and a legend (pages, size, path, time). The plotter's y
// axis points up. The vxctl picture and a console's view share it.
void draw_design(QPainter &painter, const QRectF &rect, const DesignSheet &sheet);

// Over a sheet draw_design drew in the cells' rect: the cuts between two
// positions in the colour, thick, so that the part a machine confirmed can
// be drawn as its reports arrive, a piece at a time. The cells are
// design_cells()' (finding them reads every point).
// Where the last part drawn ended within its page's points, so that the
// next part, drawn from there, does not walk the page from its start: a
// job's reports then cost what they add, not what came before them.
struct DesignCursor
{
    int page = -1; // none yet
    int stroke = 0, point = 0;
    double along = 0.0; // plotter units of the page's path before that point
};
void draw_design_part(QPainter &painter, const QVector<DesignCell> &cells, const DesignSheet &sheet,
                      DesignPosition from, DesignPosition to, const QColor &colour, DesignCursor *cursor = nullptr);
// A frame around the cell of page `page` (0-based).
void mark_design_page(QPainter &painter, const QVector<DesignCell> &cells, int page, const QColor &colour);

// Writes the sheet as a picture of kDesignPictureWidth x kDesignPictureHeight
// pixels: SVG for a path ending ".svg", else PNG; false with the reason.
extern const int kDesignPictureWidth, kDesignPictureHeight;
bool write_design_picture(const QString &path, const DesignSheet &sheet, QString *error);

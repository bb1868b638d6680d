#pragma once

#include <QtCore/QString>

class VXDeviceInterface;
struct PlotterStats;

// The part of the bed the knife reaches, in mm from the origin, and where
// the size came from ("the machine's settings", "--area"); 0 x 0 when
// nothing tells it.
struct WorkArea
{
    double width_mm = 0.0;
    double height_mm = 0.0;
    QString from;

    bool known() const { return width_mm > 0.0 && height_mm > 0.0; }
    // "600 x 400 mm (--area)" or "unknown: ..." for the operator.
    QString text() const;
};

// "W,H" in mm, each more than 0 and up to 100 m; false for anything else.
bool parse_work_area(const QString &text, WorkArea *area);

// The machine's WORKAREA_X and WORKAREA_Y settings, or an unknown area when
// its catalogue has none or it does not answer.
WorkArea machine_work_area(VXDeviceInterface *device, int timeout_ms);

// The job's area: the machine's (device may be null offline), else the one
// given with --area, else unknown with the reason.
WorkArea job_work_area(VXDeviceInterface *device, int timeout_ms, const WorkArea &given);

// Why the design does not fit the area, naming both sizes; empty when it
// fits, cuts nothing or the area is unknown.
QString work_area_refusal(const QString &path, const PlotterStats &stats, const WorkArea &area);

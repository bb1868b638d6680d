#include "work_area.h"

#include "host_texts_p.h"
#include "plotter_file.h"
#include "property_io.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QStringList>

#include <cmath>

namespace {

// Larger than any bed; keeps the picture's scale finite.
constexpr double kLargestAreaMm = 100000.0;

bool area_length(const QString &text, double *mm)
{
    bool ok = false;
    *mm = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(*mm) && *mm > 0.0 && *mm <= kLargestAreaMm;
}

} // namespace

QString WorkArea::text() const
{
    if (!known())
        return VxhostText::tr("unknown (%1): the design is not checked against it").arg(from);
    return VxhostText::tr("%1 x %2 mm (%3)").arg(width_mm, 0, 'f', 1).arg(height_mm, 0, 'f', 1).arg(from);
}

bool parse_work_area(const QString &text, WorkArea *area)
{
    const QStringList sides = text.split(QLatin1Char(','));
    return sides.size() == 2 && area_length(sides.at(0), &area->width_mm) && area_length(sides.at(1), &area->height_mm);
}

WorkArea machine_work_area(VXDeviceInterface *device, int timeout_ms)
{
    WorkArea area;
    area.from = VxhostText::tr("the machine did not tell its working area");
    const QStringList axes{QStringLiteral("WORKAREA_X"), QStringLiteral("WORKAREA_Y")};
    if (!device->property_ptr("WORKAREA_X") || !device->property_ptr("WORKAREA_Y")) {
        area.from = VxhostText::tr("the machine has no working-area settings");
        return area;
    }
    // Where the axes are read only together, the group reads them.
    QStringList missing = read_values(device, axes, timeout_ms);
    if (!missing.isEmpty() && device->property_ptr("WORKAREA"))
        missing = read_values(device, {QStringLiteral("WORKAREA")}, timeout_ms);
    if (!missing.isEmpty())
        return area;
    const double width = device->property_ptr("WORKAREA_X")->value().toDouble();
    const double height = device->property_ptr("WORKAREA_Y")->value().toDouble();
    if (width > 0.0 && height > 0.0 && width <= kLargestAreaMm && height <= kLargestAreaMm) {
        area.width_mm = width;
        area.height_mm = height;
        area.from = VxhostText::tr("the machine's settings");
    }
    return area;
}

WorkArea job_work_area(VXDeviceInterface *device, int timeout_ms, const WorkArea &given)
{
    WorkArea area;
    area.from = VxhostText::tr("offline");
    if (device)
        area = machine_work_area(device, timeout_ms);
    if (area.known())
        return area;
    if (given.known()) {
        area = given;
        area.from = VxhostText::tr("--area");
        return area;
    }
    area.from = VxhostText::tr("%1, no --area").arg(area.from);
    return area;
}

QString work_area_refusal(const QString &path, const PlotterStats &stats, const WorkArea &area)
{
    if (!area.known() || !stats.has_box)
        return QString();
    const double mm = 1.0 / PlotterStats::kUnitsPerMm;
    // The area starts at the origin: a design reaching below it is off the bed too.
    if (stats.min_x >= 0.0 && stats.min_y >= 0.0 && stats.max_x * mm <= area.width_mm
        && stats.max_y * mm <= area.height_mm)
        return QString();
    return VxhostText::tr("%1 does not fit the working area: the design reaches from %2,%3 to %4,%5 mm (%6 x %7 mm), "
              "the working area is 0,0 to %8,%9 mm (%10)")
        .arg(path)
        .arg(stats.min_x * mm, 0, 'f', 1).arg(stats.min_y * mm, 0, 'f', 1)
        .arg(stats.max_x * mm, 0, 'f', 1).arg(stats.max_y * mm, 0, 'f', 1)
        .arg((stats.max_x - stats.min_x) * mm, 0, 'f', 1).arg((stats.max_y - stats.min_y) * mm, 0, 'f', 1)
        .arg(area.width_mm, 0, 'f', 1).arg(area.height_mm, 0, 'f', 1)
        .arg(area.from);
}

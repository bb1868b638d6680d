#include "progress_report.h"

#include "controller_codes.h"

#include <QtCore/QtMath>

namespace vx::sim {

QByteArray progress_items(const ProgressReport &report)
{
    const double percent = qBound(0.0, qRound(report.percent * 10.0) / 10.0, 100.0);
    return QByteArray::number(ProgressCode) + ',' + QByteArray::number(report.status) + ','
        + report.file_name + ',' + QByteArray::number(report.task_copies) + ','
        + QByteArray::number(report.finished) + ',' + QByteArray::number(percent, 'g', 6)
        + ",0,0,0";
}

} // namespace vx::sim

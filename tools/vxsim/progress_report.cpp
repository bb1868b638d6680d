#include "progress_report.h"

#include "protocol.h"

#include <QtCore/QByteArrayList>
#include <QtCore/QtMath>

namespace vx::sim {

using namespace vx::protocol;

QByteArray progress_items(const ProgressReport &report)
{
    const double percent = qBound(0.0, qRound(report.percent * 10.0) / 10.0, 100.0);
    QByteArrayList items;
    for (int i = 0; i < kProgressItems; ++i)
        items << "0";
    items[0] = QByteArray::number(vx::protocol::ProgressReport);
    items[ProgressStatus] = QByteArray::number(report.status);
    items[ProgressFileName] = report.file_name;
    items[ProgressTaskCopies] = QByteArray::number(report.task_copies);
    items[ProgressFinished] = QByteArray::number(report.finished);
    items[ProgressPercent] = QByteArray::number(percent, 'g', 6);
    return items.join(',');
}

} // namespace vx::sim

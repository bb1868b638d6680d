#pragma once

#include <QtCore/QByteArray>

namespace vx::sim {

struct ProgressReport
{
    int status = 0; // 1 while cutting, 0 when the job is complete
    QByteArray file_name;
    int task_copies = 1;
    int finished = 0;     // copies completed before the one being cut
    double percent = 0.0; // of the whole job, all copies
};

// The 9 items "66,Status,FileName,TaskCopies,Finished,Percent,0,0,0";
// Percent keeps one decimal and drops a trailing ".0".
QByteArray progress_items(const ProgressReport &report);

} // namespace vx::sim

#pragma once

#include <QtCore/QString>
#include <QtCore/QTextStream>

class DeviceSession;

struct JobOptions
{
    QString file;
    int copies = 1;
    int mode = 0;                 // 0 plotter job, 1 QR-code job
    int idle_timeout_ms = 30000;  // the machine is given up after this much silence
};

// vxctl job FILE: loads the plotter file, writes the copies and the mode,
// starts the job and follows it to the end, with live progress. Ctrl-C
// stops the job on the machine; "p" and "r" pause and resume it.
int run_job(DeviceSession &session, const JobOptions &options, QTextStream &out, QTextStream &err);

#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>

namespace vxbench {

// Plotter text of about `chars` characters cut into `pages` pages, each a
// run of pen moves ending in "PG;".
QString plotter_job(qint64 chars, int pages);

// `count` reply frames as a controller sends them, in turn: a settings
// reply (SPEED), a progress report with a changing percentage and file
// name (or, without progress reports, a second settings reply for
// PRESSURE), and a "page done" reply.
QByteArray reply_frames(int count, bool with_progress = true);
// How many of those frames are "page done" replies.
int page_done_frames(int count);

// Frames in the bytes: STX…ETX pairs found by a bare byte scan.
int scan_frames(const QByteArray &bytes);

} // namespace vxbench


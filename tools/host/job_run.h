#pragma once

#include "job_journal.h"
#include "job_watch.h"

#include <QtCore/QJsonObject>
#include <QtCore/QString>
#include <QtCore/QVariant>

#include <functional>
#include <limits>

class JobProgress;
class PlotterFile;
class QrCutFiles;
class VXDeviceInterface;
struct PlotterStats;

// How a host runs a plotter job on the machine, shared by vxctl and the
// operator's console: the file read and checked, the copies cut, the
// silence allowed, the journal kept, and what is said after an early end.

// Room for a page frame's STX, length, ";PPLT;" and ETX.
constexpr qint64 kFrameHeaderBytes = 32;
// The largest frame the controller takes: the simulator's, which drops
// longer ones unanswered (vxsim --max-frame).
constexpr qint64 kControllerFrameBytes = 64 << 20;
// The plugin frames a page through a UTF-8 conversion that reserves three
// bytes a character, and a Qt 5 byte array holds less than 2 GiB.
constexpr qint64 kPluginPageBytes = (std::numeric_limits<int>::max() - 64) / 3;
// The largest page a job sends unless told otherwise.
constexpr qint64 kDefaultMaxPage = kControllerFrameBytes - kFrameHeaderBytes;
// The longest wait for the machine's answer to a stop (a host's timeout if shorter).
constexpr int kStopAnswerMs = 3000;

// "1 copy", "3 copies".
QString copies_text(int copies);

// Writes a setting of the machine, or asks for one, by its key.
void write_setting(VXDeviceInterface *device, const char *key, const QVariant &value);
void send_read(VXDeviceInterface *device, const char *key);

// The machine's speed setting, or 0 when it does not answer.
double machine_speed(VXDeviceInterface *device, int timeout_ms);

// The longest silence accepted in a plotter job: twice what its longest
// page takes at the machine's speed, and 10 s more, so that a machine that
// reports only at a page's end is not taken for a silent one; never below
// the host's timeout. A machine that does not tell its speed counts as the
// slowest.
int page_silence_ms(const PlotterStats &stats, double speed, int timeout_ms);
// "the machine stopped answering (nothing heard for N s)".
QString silence_text(int silence_ms);

// The job file read, and its pages checked against what the plugin and the
// controller take (max_page); the fault naming the file, or an empty text.
QString read_job_file(const QString &path, bool svg_pages_by_layer, qint64 max_page, PlotterFile *file);

// Where a resumed job starts, from the journal.
struct ResumePoint
{
    enum Kind { Cut, NothingLeft, OnlyInFlight, NoJournal };
    Kind kind = NoJournal;
    int from_page = 1;
    int copies = 0;
    int in_flight_page = 0; // OnlyInFlight: the page whose cut is unknown
    QString error;          // NoJournal: why
};
// The page and copies the journal says are left, the page in flight cut
// again with redo_page.
ResumePoint resume_point(const JobJournal &journal, int pages, bool redo_page);

// Keeps the journal at the copy and page being cut as the watch moves;
// on_failure is told once when it cannot be written.
void keep_journal(JobWatch &watch, JobJournal &journal, const JobProgress &progress, int pages, int copies,
                  JobJournal::Position *where, const std::function<void()> &on_failure);

// The record of the last machine job, and the device made ready for the next.
QJsonObject close_machine_job(const JobWatch &watch, VXDeviceInterface *device);

// The rest of an interrupted copy is a machine job of its own; then whole
// copies. Stops at the first that does not finish; *record is the last's.
JobOutcome cut_copies(PlotterFile &file, int from_page, int copies, VXDeviceInterface *device, JobWatch &watch,
                      JobProgress &progress, QJsonObject *record);

// "the machine did not confirm the stop: it may still be cutting page P of N".
QString unconfirmed_stop(const JobProgress &progress);
// Where the job stood when it ended early, saying a stop only when the
// machine confirmed it.
QString early_end_headline(JobOutcome outcome, const JobProgress &progress);
// The pages of the current copy the machine confirmed, and the page in
// flight: two lines.
QString confirmed_sentences(const JobProgress &progress, int first_page);
// Those two lines, then what the resume command cuts; the commands go into
// the end event too.
QString early_end_sentences(JobOutcome outcome, const JobProgress &progress, const JobJournal::Position &where,
                            int first_page, const QString &command, QJsonObject *end);

// The cut file for a QR code, read and checked into *file; why the code
// is skipped, or an empty text.
QString qr_cut_file(const QrCutFiles &cut_files, const QString &code, qint64 max_page, PlotterFile *file,
                    QString *path);
// Sends the file as the code's copy, as the job flow starts a job.
void send_qr_copy(PlotterFile &file, VXDeviceInterface *device, JobWatch &watch, JobProgress &progress);

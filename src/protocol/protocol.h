#pragma once

#include <QtCore/QByteArray>

// What the controller's frames mean, in one place for the driver and the
// simulator: command codes, frame names, the page separator and the
// layout of a progress report.
namespace vx::protocol {

// CCMD command codes that mean more than a settings register.
// PageDone and StatusRequest are one code: the controller answers the
// status request with a page done once the page being cut is finished.
enum Code : int {
    PageDone = 4,        // reported for a finished page or copy
    StatusRequest = 4,   // asked by the host
    QrCode = 11,         // asks for the next QR code, answered with it
    JobControl = 27,     // written with a JobAction
    Copies = 30,         // the copies register; written again while a job waits: one more copy
    JobMode = 32,        // 0 plotter job, otherwise QR-code job
    QrCodeFile = 55,
    Jog = 65,
    ProgressReport = 66,
    MachineStop = 1001,  // stop pressed on the machine
    Heartbeat = 1010,
};

// Job control of the CMD-framed controller family.
constexpr int kCmdJobControl = 125;

enum class JobAction : int { Pause = 0, Resume = 1, Stop = 2 };

// The result item of a CCMD reply: done, or refused.
constexpr int kDone = 0;
constexpr int kFailed = 1;

// A CMD body's verbs, "GET12;13;", "SET12:5;" and "NUM:3;" (the copies),
// and the controller's answer to a write.
inline constexpr char kCmdGet[] = "GET";
inline constexpr char kCmdSet[] = "SET";
inline constexpr char kCmdNum[] = "NUM:";
inline constexpr char kCmdOk[] = "OK;";

// Frame kinds, numbered as the device interface numbers its command kinds.
enum class FrameKind : int { None = 0, CCMD = 1, CMD = 2, NUM = 3, PLT = 4, PPLT = 5, QRPLT = 6 };

// The name a frame of this kind carries; NUM commands travel in CMD
// frames, and a kind without frames has no name.
QByteArray frame_name(FrameKind kind);

// Every page of a plotter job ends with this.
inline constexpr char kPageEnd[] = "PG;";

// How a job is cut into pages, for the plugin and for hosts alike: at every
// page end; an empty part (two in a row) makes no page. Calls
// page(start, length) for each, the length without its page end.
template <typename Text, typename Mark, typename Page>
void for_each_page(const Text &job, const Mark &page_end, Page page)
{
    for (int start = 0; start < job.size();) {
        int end = job.indexOf(page_end, start);
        if (end < 0)
            end = job.size();
        if (end > start)
            page(start, end - start);
        start = end + int(sizeof(kPageEnd)) - 1;
    }
}

// A progress report's items: "66,Status,FileName,TaskCopies,Finished,Percent,0,0,0".
enum ProgressItem : int {
    ProgressStatus = 1,
    ProgressFileName = 2,
    ProgressTaskCopies = 3,
    ProgressFinished = 4,
    ProgressPercent = 5,
    kProgressItems = 9,
};

// "code,result" (and any further items): the body of a CCMD reply.
QByteArray ccmd_items(int code, int result);
QByteArray ccmd_items(int code, int result, const QByteArray &more);
// A whole CCMD reply frame around such items.
QByteArray ccmd_reply(const QByteArray &items);

} // namespace vx::protocol

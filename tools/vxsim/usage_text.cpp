#include "usage_text.h"

namespace vx::sim {

QString usage_description()
{
    return QStringLiteral(R"(A simulated "437" controller of the VX-LT3050PROCam conveyor flatbed cutter.
It speaks the plugin's frames (STX, total length, ";", name, ";", body, ETX) on
TCP, one client at a time (a new client replaces the old one and ends its job),
and with --pty also on the master side of a raw pseudo-terminal.

Settings (CCMD), read number -> write number (initial value):
  7->6 speed (0,150)             9->8 pressure (0,200)
  18->17 and 16->15 camera offset x,y, one register (0.5,-20)
  61->20 scale x (100)           62->21 scale y (100)
  63->22 work area (300,500)     64->23 cut quality (1)
  30 copies (1)   32 job mode (0)   55 QR-code file
  45->44 device id   47->46 board id   49->48 board version
  51 firmware (V3.4.37, read-only)
  "w,f1,f2;" stores f1,f2 and answers "w,0"; "r;" or "r,p;" answers
  "r,0,f1,f2". Unknown numbers answer "n,1". Jog "65,0,0,dx,dy;" answers "65,0".
  CMD: "GET12;13;" answers "GET12:v;GET13:v;" (unset addresses read 0);
  "SET12:5;" and "NUM:3;" (copies) answer "OK;".

Jobs:
  PPLT and PLT pages are cut at once, or at --speed mm/s along the PU/PD path
  (40 plotter units per mm). Each page is reported "4,0" once. A status request
  "4;" while pages are pending is answered by the page report, when none is
  pending by "4,0" at once; after the last page it closes the copy. While copies
  remain the flow waits for "30,1;", then cuts the whole job again and reports
  one "4,0". After the last copy a progress report with Status 0 and Percent 100
  follows, and "30,N;" sets the copies again.
  Progress: "66,Status,FileName,TaskCopies,Finished,Percent,0,0,0" for every
  page and every 200 ms at a speed (--progress-interval MS; 0: only the page's); Finished counts the copies before the one
  being cut; Percent is of all copies of the pages received so far.
  "27,0;" pauses, "27,1;" resumes, "27,2;" stops the job (answer "27,0,v");
  with --ignore-stop "27,2;" is not answered and the job goes on.
  Job mode 1 ("32,1;"): "11;" answers "11,0,QR0001" (then QR0002, ...) and
  cuts one QR-code copy (the path of the last QR_PLT, or 100 mm), then "4,0".
  With --qr-codes A1,B2 it answers "11,0,A1", then B2, and round again, and
  takes the code's pages as a job's first pass (PPLT, "4,0" each, "4;" closes
  the copy); "11;" before any page came skips the code and reads the next.

Largest page: a frame is taken up to --max-frame bytes, header included
(64 MiB, 67108864, by default); a longer one is dropped unanswered.

On start it prints "listening <address>:<port>" and, with --pty,
"pty <slave path>", for each machine in turn: --machines N serves N
independent machines, each with its own port, registers, job and faults.
SIGINT and SIGTERM end it cleanly.

Replay: --replay FILE acts as the controller recorded in a trace (vxctl --trace,
or a host with VX_TRACE_DIR): each request is answered with the bytes that
followed the same request in the recording, in order and at the recorded delays
(at once with --fast), and the link drops where it dropped. A request the
recording does not have is reported on stderr and not answered.

Examples:
  vxsim --port 0
  vxsim --pty --speed 200 --file-name box.plt
  vxsim --split 3 --noise --duplicate-progress
  vxsim --drop-after 2
  vxsim --drop-after 1 --reset
  vxsim --machine-stop-after 5
  vxsim --speed 50 --progress-interval 0 --ignore-stop
  vxsim --qr-codes A1,B2,C3
  vxsim --port 0 --machines 100
  vxsim --replay job.trace --fast)");
}

} // namespace vx::sim

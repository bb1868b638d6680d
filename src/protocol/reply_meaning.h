#pragma once

#include "reply.h"

namespace vx::protocol {

// What a received reply means, decided here once for the plugin's
// dispatchers and for vxctl.
enum class Meaning {
    Setting,     // values for the property its code reads or writes
    Progress,    // the job record
    PageDone,
    QrCode,      // the next QR code, for the host
    JobControl,  // the answer to a pause, resume or stop
    MachineStop, // stop pressed on the machine
    Heartbeat,
    Host,        // told to the host as it is: the row's message
    Refused,     // a result other than done: nothing changes
    Unknown,     // incomplete, of another kind, or done with no values
};

// A code's meaning. A row without any_result holds only for a reply that
// reports done; a refusal of it means Refused.
struct MeaningRow
{
    Meaning meaning;
    FrameKind kind;
    int code;
    bool any_result;
    const char *what;              // how a trace names it, untranslated
    int host_message = 0;          // Host: the VXDeviceMessage kind and
    const char *host_text = nullptr; // the text the host hears
};

// A further meaning, added before any reply is read: earlier rows win.
void add_meaning(const MeaningRow &row);

// The row a complete reply matches; nullptr when none does.
const MeaningRow *meaning_row(const Reply &reply);
Meaning classify(const Reply &reply);

} // namespace vx::protocol

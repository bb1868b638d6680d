#pragma once

#include "frame.h"

#include <QtCore/QByteArray>

namespace vx::sim {

// CCMD numbers that mean more than a settings register.
enum ControllerCode {
    StatusCode = 4,        // page done / status request
    QrCodeCode = 11,       // next QR code
    TaskControlCode = 27,  // 0 pause, 1 resume, 2 stop
    CopiesCode = 30,       // copies register, or one more copy
    JobModeCode = 32,      // 0 plotter job, otherwise QR-code job
    JogCode = 65,
    ProgressCode = 66,
    MachineStopCode = 1001,
};

// A CCMD reply: the comma list closed by ";" as the plugin splits it.
inline QByteArray ccmd_reply(const QByteArray &items)
{
    return vx::frame("CCMD", items + ';');
}

} // namespace vx::sim

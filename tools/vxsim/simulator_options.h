#pragma once

#include <QtCore/QByteArray>

namespace vx::sim {

// How the simulated controller behaves, and which faults it injects.
// The command-line flags of vxsim map one to one onto these members.
struct SimulatorOptions
{
    // Cutting speed in mm/s; 0 cuts every page at once.
    double cutSpeedMmPerSecond = 0.0;
    // FileName item of the progress reports.
    QByteArray fileName = "job.plt";
    // Periodic progress reports while cutting at a speed.
    int progressIntervalMs = 200;

    // Write each outgoing frame in chunks of this many bytes (0: whole).
    int splitChunkBytes = 0;
    int splitIntervalMs = 1;
    // Garbage bytes between frames, some of them with a stray STX.
    bool noise = false;
    // Every progress report goes out twice, byte for byte.
    bool duplicateProgress = false;
    // Close the TCP client after this many finished pages (0: never).
    int dropAfterPages = 0;
    // Press stop on the machine after this many finished pages (0: never).
    int machineStopAfterPages = 0;
};

} // namespace vx::sim

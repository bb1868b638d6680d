#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QList>

namespace vx::sim {

// How the simulated controller behaves, and which faults it injects.
// The command-line flags of vxsim map one to one onto these members.
struct SimulatorOptions
{
    // Cutting speed in mm/s; 0 cuts every page at once.
    double cut_speed_mm_per_second = 0.0;
    // FileName item of the progress reports.
    QByteArray file_name = "job.plt";
    // Periodic progress reports while cutting at a speed; 0 sends none, so
    // the machine is silent from a page's frame to that page's reports.
    int progress_interval_ms = 200;
    // QR codes read from the labels, in turn and round again; each is
    // answered with the pages to cut. Empty: QR0001, QR0002, ... each cut
    // at once as the QR_PLT job.
    QList<QByteArray> qr_codes;
    // The largest frame taken, header included; a longer one is dropped.
    int max_frame_bytes = 64 << 20;

    // Write each outgoing frame in chunks of this many bytes (0: whole).
    int split_chunk_bytes = 0;
    int split_interval_ms = 1;
    // Garbage bytes between frames, some of them with a stray STX.
    bool noise = false;
    // Every progress report goes out twice, byte for byte.
    bool duplicate_progress = false;
    // Close the TCP client after this many finished pages (0: never).
    int drop_after_pages = 0;
    // That close is a reset: what the client writes next fails at once.
    bool reset_on_drop = false;
    // Press stop on the machine after this many finished pages (0: never).
    int machine_stop_after_pages = 0;
    // Send nothing more after this many finished pages (0: never): a
    // controller gone quiet while its link stays up.
    int silent_after_pages = 0;
    // Answer every CCMD request with this number "n,1" (0: none).
    int refused_command = 0;
    // The stop write "27,2" gets no answer and the job goes on.
    bool ignore_stop = false;
};

} // namespace vx::sim

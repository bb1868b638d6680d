#pragma once

#include <QtCore/QtGlobal>

// How much memory the test process uses, for checks that it stays bounded.

// Bytes the heap holds for the program. Under AddressSanitizer freed blocks
// wait in quarantine and the resident set says little, so its allocator is
// asked instead.
qint64 live_heap_bytes();

// A "kB" line of /proc/self/status (VmRSS, VmHWM, ...) in KiB; -1 when absent.
qint64 status_kib(const char *field);

// A size of a load test from the environment (VX_…), or the fallback.
int load_size(const char *variable, int fallback);

// True when the program runs under AddressSanitizer.
bool under_address_sanitizer();

// The highest memory use since it was made: the resident set's high-water
// mark (reset at the start), or, under AddressSanitizer, the live heap as
// often as sample() is called.
class PeakMeter
{
public:
    PeakMeter();
    void sample();
    qint64 growth();

private:
    qint64 m_base = 0;
    qint64 m_peak = 0;
};

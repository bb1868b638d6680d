#pragma once

#include <QtCore/QtGlobal>

// How much memory the test process uses, for checks that it stays bounded.

// Bytes the heap holds for the program. Under AddressSanitizer freed blocks
// wait in quarantine and the resident set says little, so its allocator is
// asked instead.
qint64 live_heap_bytes();

// A "kB" line of /proc/self/status (VmRSS, VmHWM, ...) in KiB; -1 when absent.
qint64 status_kib(const char *field);

// True when the program runs under AddressSanitizer.
bool under_address_sanitizer();

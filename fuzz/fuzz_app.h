#pragma once

#include <cstddef>
#include <cstdint>

// The libFuzzer entry point every target defines; the replay program
// calls it for each corpus file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace vxfuzz {

// The application object the plugin's classes expect, created on first use
// and kept for the life of the process.
void ensure_app();

// Delivers the events an event loop would have (deferred deletions
// included), so nothing piles up between inputs.
void settle();

} // namespace vxfuzz

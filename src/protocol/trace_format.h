#pragma once

#include <QtCore/QByteArray>

// The trace file: what a device and its controller said to each other,
// one JSON object per line, a header line first. Written by the plugin,
// read by vxctl and vxsim --replay through tools/trace/trace_reader.h.
//
//   {"vx_trace":1,"plugin_build_date":…,"host":…,"host_version":…,"target":…,"started":…}
//   {"t":µs,"dir":"tx"|"rx","link":"TCP"|"USB","text":"…"}    bytes that are UTF-8
//   {"t":µs,"dir":"tx"|"rx","link":…,"base64":"…"}            any other bytes
//   {"t":µs,"link":…,"event":"up"|"down"|"failed"|"close"}    "close": the host closed it
//   {"t":µs,"event":"message","kind":"DevStatus"|"DevTasK"|"Qrcode","text":"…"}
//   {"t":µs,"event":"gap","lines":n}   n lines left out: the recording fell behind
//
// "t" counts microseconds on a monotonic clock from the header. Received
// bytes are recorded as they arrived, not cut into frames. A recording
// that ended mid-line (a full disk, a host killed) leaves a last line
// without its end: the lines before it are whole.
namespace vx::trace {

constexpr int kFormatVersion = 1;
// The environment variable naming the folder a host's devices record into.
constexpr char kFolderVariable[] = "VX_TRACE_DIR";

// The bytes as a field of a line, name and value: "text":"…" with JSON's
// escapes (STX is \u0002) when they are UTF-8, else "base64":"…".
void append_bytes_field(QByteArray &line, const QByteArray &bytes);
// A JSON string of UTF-8 text (other bytes are made UTF-8 first).
void append_json_string(QByteArray &line, const QByteArray &utf8);
// True when the bytes are UTF-8 that a JSON string gives back byte for byte.
bool is_utf8(const QByteArray &bytes);

} // namespace vx::trace

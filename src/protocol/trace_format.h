#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QFile>
#include <QtCore/QJsonObject>
#include <QtCore/QString>

// The trace file: what a device and its controller said to each other,
// one JSON object per line, a header line first. Written by the plugin,
// read by vxctl (trace show, trace stats) and by vxsim --replay.
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
// The longest line a recorder writes: a 32 MiB entry of control bytes,
// each escaped as \u00XX. A longer line is no trace's.
constexpr qint64 kMaxLineBytes = 6 * (qint64(32) << 20) + 4096;
// The environment variable naming the folder a host's devices record into.
constexpr char kFolderVariable[] = "VX_TRACE_DIR";

// The bytes as a field of a line, name and value: "text":"…" with JSON's
// escapes (STX is \u0002) when they are UTF-8, else "base64":"…".
void append_bytes_field(QByteArray &line, const QByteArray &bytes);
// A JSON string of UTF-8 text (other bytes are made UTF-8 first).
void append_json_string(QByteArray &line, const QByteArray &utf8);
// True when the bytes are UTF-8 that a JSON string gives back byte for byte.
bool is_utf8(const QByteArray &bytes);

struct Line
{
    enum Kind { Header, Sent, Received, LinkEvent, Message, Unknown };
    Kind kind = Unknown;
    qint64 t_us = 0;
    QString link;
    QByteArray bytes;   // Sent, Received
    QString event;      // LinkEvent: up, down, failed, close; Message: the kind
    QString text;       // Message
    QJsonObject object; // the whole line
    int number = 0;     // in the file, from 1
};

// A trace file read line by line, so that a trace of any length takes
// the memory of its longest line. Messages are in English, for logs and
// terminals alike.
class Reader
{
public:
    // Opens the file and reads its header line; false with error() when
    // the file cannot be read, has no header first, or its format version
    // is not kFormatVersion.
    bool open(const QString &path);
    const QJsonObject &header() const { return m_header; }
    QString path() const { return m_file.fileName(); }
    // The next line after the header; false at the end, or at a line that
    // is not a trace line (then error() says which).
    bool next(Line *line);
    QString error() const { return m_error; }
    // At the end: what was left out when the last line is cut off.
    QString warning() const { return m_warning; }

private:
    // The next line that holds anything, trimmed; false at the end or on error.
    bool read_line(QByteArray *text);

    QFile m_file;
    int m_number = 0;
    bool m_ended = false; // the line read last ended in a newline
    QJsonObject m_header;
    QString m_error;
    QString m_warning;
};

} // namespace vx::trace

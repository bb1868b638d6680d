#pragma once

#include "trace_format.h"

#include <QtCore/QFile>
#include <QtCore/QJsonObject>
#include <QtCore/QString>

// Reading the trace file of trace_format.h: only hosts read traces.
namespace vx::trace {

// The longest line a recorder writes: a 32 MiB entry of control bytes,
// each escaped as \u00XX. A longer line is no trace's.
constexpr qint64 kMaxLineBytes = 6 * (qint64(32) << 20) + 4096;

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

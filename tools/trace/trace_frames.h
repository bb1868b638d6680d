#pragma once

#include "receive_buffer.h"
#include "reply.h"
#include "trace_reader.h"

#include <QtCore/QByteArray>
#include <QtCore/QHash>
#include <QtCore/QJsonObject>
#include <QtCore/QList>
#include <QtCore/QString>

#include <memory>

// A trace file as rows: each frame sent, each frame the plugin's own
// receive buffer cuts from the bytes received, link events and messages.
struct TraceRow
{
    enum Kind { Sent, Received, LinkEvent, Message };
    Kind kind = Sent;
    qint64 t_us = 0;
    QString link;
    QByteArray frame;            // Sent, Received: STX through ETX
    QString name;                // the frame's name: CCMD, CMD, PPLT, …
    vx::protocol::Reply reply;   // the frame as the plugin's reply parser reads it
    bool malformed = false;      // Received: the plugin drops it unread
    QString event;               // LinkEvent: up, down, failed, close; Message: its kind
    QString text;                // Message
};

// The rows of a trace, read as a stream: memory stays that of a line and
// of a receive buffer per link, however long the trace.
class TraceRows
{
public:
    // False with error() when the file cannot be read or is no trace.
    bool open(const QString &path);
    const QJsonObject &header() const { return m_reader.header(); }
    // The next row; false at the end or at a line that cannot be read.
    bool next(TraceRow *row);
    // Set when the trace could not be read to its end.
    QString error() const { return m_error.isEmpty() ? m_reader.error() : m_error; }
    // At the end: a cut-off last line that was left out.
    QString warning() const { return m_reader.warning(); }
    // Received outside any frame, or left partial at the end (once at the end).
    qint64 stray_bytes() const;

private:
    bool read_line();

    vx::trace::Reader m_reader;
    QHash<QString, std::shared_ptr<vx::ReceiveBuffer>> m_buffers; // one per link, as in the plugin
    QList<TraceRow> m_waiting; // the frames of one received line
    qint64 m_received = 0;
    qint64 m_in_frames = 0;
    QString m_error;
};

// Bytes for a terminal: STX and ETX as ␂ and ␃, other control bytes and
// bytes that are not UTF-8 as \xNN.
QString printable_bytes(const QByteArray &bytes);

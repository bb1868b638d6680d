#pragma once

#include "trace_frames.h"

#include <QtCore/QJsonObject>
#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>

class VXDeviceInterface;

// One row of a trace as vxctl trace show prints it and the console shows it.
struct TraceTableRow
{
    QString time;      // seconds from the start, "12.345"
    QString direction; // ->, <-, link, msg
    QString frame;     // the frame's name ("?" when malformed), the link, or a message's kind
    QString code;      // a numbered frame's number
    QString items;     // whole, as the table would show it uncut
    QString what;      // what the plugin made of it
};

// Builds the rows of one trace in order: what a frame means depends on
// the frames before it (a repeated job record, a copy asked for while a
// job is under way). Texts are in context "vxctl".
class TraceTable
{
public:
    // root: a device of the plugin (or its root object), asked for the key
    // of each command number; null names none.
    explicit TraceTable(VXDeviceInterface *root);

    TraceTableRow row(const TraceRow &row);

    // "trace of TCP 10.0.0.7:9100, by vxctl 1.0.0, …": the header's fields that are there.
    static QString header_text(const QJsonObject &header);
    static QStringList column_titles();
    // The table's lines as vxctl prints them: fixed columns, long items cut.
    static QString titles_line();
    static QString line(const TraceTableRow &row);

private:
    struct Key
    {
        int kind;
        int get;
        int set;
        QString key;
    };
    QString key(int kind, int number, bool *writes = nullptr) const;
    QString sent_meaning(const TraceRow &row);
    QString received_meaning(const TraceRow &row);

    QList<Key> m_keys;
    QString m_last_progress;
    bool m_pages_sent = false; // since the job mode was last written: a job is under way
};

// Microseconds as the table's seconds: "2.500".
QString trace_seconds(qint64 us);

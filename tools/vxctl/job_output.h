#pragma once

#include <QtCore/QJsonObject>
#include <QtCore/QString>

class JobProgress;
class QTextStream;

// What vxctl job tells: on a terminal a bar redrawn in place, fitted to
// its width; otherwise a line per change; with --json one JSON object per
// line for every event, named by "event".
class JobOutput
{
public:
    JobOutput(QTextStream &out, bool json);

    bool is_json() const { return m_json; }
    // A line for people, or the event's object.
    void event(const QString &name, const QJsonObject &fields, const QString &text);
    // Drawn or written when something shown changed.
    void progress(const JobProgress &progress);
    // Ends the bar's line.
    void close_bar();

private:
    QString bar_line(int percent, const QString &figures, const QString &machine) const;

    QTextStream &m_out;
    const bool m_json;
    const bool m_interactive;
    QString m_last;
    bool m_bar_open = false;
};

#pragma once

#include "job_progress.h"
#include "job_report.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QJsonObject>
#include <QtCore/QString>
#include <QtCore/QStringList>

class JobProgress;
class QTextStream;

// What vxctl job tells: on a terminal a bar redrawn in place, fitted to
// its width; otherwise a line per change; with --json one JSON object per
// line for every event, named by "event", each with the time it was
// written ("time"), the seconds since the job started ("elapsed_s") and the
// last estimate of the seconds left ("remaining_s", null while unknown).
class JobOutput : public JobReport
{
public:
    JobOutput(QTextStream &out, bool json);

    bool is_json() const { return m_json; }
    // A line for people, or the event's object. The "start" event starts
    // the job's clock; the first line of the "end" event's text gets the
    // job's duration; time between "paused" and "resumed" is not cutting.
    void event(const QString &name, const QJsonObject &fields, const QString &text) override;
    // Drawn or written when something shown changed.
    void progress(const JobProgress &progress) override;
    // Takes the progress's estimate of the time left without showing it.
    void estimate(const JobProgress &progress);
    // Ends the bar's line.
    void close_bar();

private:
    double elapsed_s() const;
    QString elapsed_text() const;
    QString left_text() const;
    QString bar_line(int percent, const QString &figures, QStringList extras) const;

    QTextStream &m_out;
    const bool m_json;
    const bool m_interactive;
    QString m_last;
    bool m_bar_open = false;
    QElapsedTimer m_clock;
    bool m_started = false;
    double m_remaining_s = -1.0;
    qint64 m_paused_ms = 0;      // of the job, the machine having confirmed the pause
    qint64 m_paused_since = -1;
};

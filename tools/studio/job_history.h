#pragma once

#include <QtCore/QDate>
#include <QtCore/QDateTime>
#include <QtCore/QString>
#include <QtCore/QVector>

// One job as the console's history keeps it.
struct JobEntry
{
    // outcome while the job runs, and of a job whose console ended before it did.
    static const QString kRunning;
    static const QString kUnknown;

    qint64 id = 0;
    QString file;
    QString machine; // the target as the operator chose it: "TCP 10.0.0.7:9100"
    int copies_ordered = 0;
    int copies_finished = 0;
    QString outcome = kRunning; // kRunning, kUnknown or job_outcome_name()
    QDateTime started;
    QDateTime ended;          // invalid until the job ended
    qint64 duration_ms = -1;  // -1: from started to ended
    QString record;           // the machine's job record, JSON text
    QString trace;            // the trace file, empty when none was recorded
};

// The console's job history: an SQLite database, one row per job, written
// when the job starts (outcome "running") and completed when it ends. A
// row still running that another console wrote (one that ended during its
// job) reads as unknown, never as finished. A file that is not such a
// database, is damaged or is of a later schema is refused and left as it is.
class JobHistory
{
public:
    JobHistory();
    ~JobHistory();
    JobHistory(const JobHistory &) = delete;
    JobHistory &operator=(const JobHistory &) = delete;

    // $XDG_DATA_HOME/vxstudio/history.sqlite
    static QString default_path();

    // Opens or creates the database, making its folder; false with the reason.
    bool open(const QString &path, QString *error);
    void close();
    bool is_open() const;
    QString path() const { return m_path; }

    // The new row's id, 0 on failure (error() says why).
    qint64 begin(const JobEntry &entry);
    // Completes row id with the entry's outcome, copies finished, end, duration, record and trace.
    bool finish(qint64 id, const JobEntry &entry);
    // Newest first, started on a day from..to (local dates, inclusive; an
    // invalid date leaves that end open), the file's name containing the
    // text (ignoring ASCII case); at most kMaxFound rows.
    static constexpr int kMaxFound = 10000;
    QVector<JobEntry> find(const QDate &from, const QDate &to, const QString &file_contains) const;
    QString error() const { return m_error; }

    // The rows as RFC 4180 CSV, written whole or not at all.
    static bool export_csv(const QString &path, const QVector<JobEntry> &entries, QString *error);
    // The outcome as the operator reads it.
    static QString outcome_text(const QString &outcome);

private:
    bool check_schema(QString *error);

    QString m_connection;
    QString m_path;
    QString m_console; // marks the rows this console began
    mutable QString m_error;
};

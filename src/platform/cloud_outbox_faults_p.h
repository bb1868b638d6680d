#pragma once

#include <QtCore/QElapsedTimer>
#include <QtCore/QLoggingCategory>
#include <QtCore/QString>

class QSqlError;

Q_DECLARE_LOGGING_CATEGORY(lcOutbox)

// Errors of the outbox file. One that means the file takes no writes (a
// full disk, a read-only or failing file) is counted rather than logged
// each time: a line when it starts, then at most one a minute with how
// many there were, and one when the file takes writes again. Any other
// error is logged as it comes.
class OutboxFaults
{
public:
    static constexpr qint64 kReportIntervalMs = 60 * 1000;

    explicit OutboxFaults(const QString &file) : m_file(file) {}

    // Until the outbox is open, every error is logged: it says why it
    // cannot be opened.
    void opened() { m_open = true; }
    void failed(const QSqlError &error, const QString &sql);
    // A change reached the file.
    void wrote();
    bool failing() const { return m_failing; }
    QString last_error() const { return m_last_error; }

private:
    QString m_file;
    QString m_last_error;
    bool m_open = false;
    bool m_failing = false;
    int m_unreported = 0; // failures since the last line
    int m_total = 0;      // since the file stopped taking writes
    QElapsedTimer m_reported;
};

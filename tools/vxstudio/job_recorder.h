#pragma once

#include <QtCore/QObject>

class JobHistory;
struct JobEntry;
class Session;

// Keeps a history row of every job the session runs: written when the job
// starts (running) and completed with what the machine confirmed when it
// ends, so a console that dies mid-job leaves a row read as unknown.
class JobRecorder : public QObject
{
    Q_OBJECT
public:
    JobRecorder(Session &session, JobHistory &history, QObject *parent = nullptr);

signals:
    // A row could not be written: the reason, for the operator.
    void failed(const QString &why);

private:
    JobEntry entry() const;
    void started(int copies);
    void ended();

    Session &m_session;
    JobHistory &m_history;
    qint64 m_row = 0;
    int m_copies = 0;
};

#include "job_recorder.h"

#include "job_history.h"
#include "job_progress.h"
#include "session.h"

#include <QtCore/QJsonDocument>

JobRecorder::JobRecorder(Session &session, JobHistory &history, QObject *parent)
    : QObject(parent), m_session(session), m_history(history)
{
    connect(&session, &Session::job_started, this, [this](const QString &, int copies, int) { started(copies); });
    connect(&session, &Session::job_ended, this, &JobRecorder::ended);
}

// The job as the session tells it now.
JobEntry JobRecorder::entry() const
{
    JobEntry entry;
    entry.file = m_session.job_file();
    entry.machine = m_session.machine_text();
    entry.copies_ordered = m_copies;
    entry.started = m_session.started_at();
    return entry;
}

void JobRecorder::started(int copies)
{
    m_copies = copies;
    m_row = 0;
    if (!m_history.is_open())
        return;
    m_row = m_history.begin(entry());
    if (m_row == 0)
        emit failed(tr("the job history cannot be written: %1").arg(m_history.error()));
}

void JobRecorder::ended()
{
    if (m_row == 0)
        return;
    JobEntry ended = entry();
    ended.copies_finished = m_session.progress() ? m_session.progress()->copies_done() : 0;
    ended.outcome = job_outcome_name(m_session.outcome());
    ended.ended = m_session.ended_at();
    ended.record = QString::fromUtf8(QJsonDocument(m_session.record()).toJson(QJsonDocument::Compact));
    if (!m_history.finish(m_row, ended))
        emit failed(tr("the job history cannot be written: %1").arg(m_history.error()));
    m_row = 0;
}

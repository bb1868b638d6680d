#include "cloud_outbox_faults_p.h"

#include <QtSql/QSqlError>

namespace {

// SQLite's primary result codes of a file that cannot be written: read
// only, an I/O error (a write past a file size limit), cannot be opened
// (its journal), full. The extended codes keep them in the low byte.
bool takes_no_writes(const QSqlError &error)
{
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number) & 0xff;
    return number && (code == 8 || code == 10 || code == 13 || code == 14);
}

} // namespace

void OutboxFaults::failed(const QSqlError &error, const QString &sql)
{
    m_last_error = error.text();
    if (!m_open || !takes_no_writes(error)) {
        qCWarning(lcOutbox) << "outbox:" << error.text() << "in" << sql.left(60);
        return;
    }
    ++m_total;
    ++m_unreported;
    if (!m_failing) {
        m_failing = true;
        m_reported.start();
        m_unreported = 0;
        qCCritical(lcOutbox).noquote()
            << "outbox:" << m_file << "takes no writes (" + error.text() + "): kept entries are sent from memory,"
            << "and what they changed is written once the file takes writes again (lost if the host quits before)";
    } else if (m_reported.hasExpired(kReportIntervalMs)) {
        qCCritical(lcOutbox).noquote() << "outbox:" << m_file << "still takes no writes:" << m_unreported
                                             << "failed since the last report (" + error.text() + ")";
        m_reported.start();
        m_unreported = 0;
    }
}

void OutboxFaults::wrote()
{
    if (!m_failing)
        return;
    qCInfo(lcOutbox).noquote() << "outbox:" << m_file << "takes writes again, after" << m_total
                                     << "failed; what was held in memory is written";
    m_failing = false;
    m_total = 0;
    m_unreported = 0;
}

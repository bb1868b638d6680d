#include "job_journal.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QCryptographicHash>
#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QSaveFile>

namespace {

QString state_directory()
{
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = state.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/state") : state;
    return base + QStringLiteral("/vxctl/jobs");
}

QJsonObject file_identity(const QString &job_file)
{
    const QFileInfo info(job_file);
    return {{QStringLiteral("file"), info.absoluteFilePath()},
            {QStringLiteral("size"), double(info.size())},
            {QStringLiteral("modified"), double(info.lastModified().toMSecsSinceEpoch())}};
}

} // namespace

JobJournal::JobJournal(const QString &job_file)
    : m_job_file(job_file)
{
    const QByteArray key = QFileInfo(job_file).absoluteFilePath().toUtf8();
    m_path = state_directory() + QLatin1Char('/')
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) + QStringLiteral(".json");
}

bool JobJournal::load(Position *position, QString *error) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("vxctl", "no journal of an unfinished job for %1").arg(m_job_file);
        return false;
    }
    const QJsonObject journal = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject identity = file_identity(m_job_file);
    for (auto it = identity.begin(); it != identity.end(); ++it) {
        if (journal.value(it.key()) != it.value()) {
            *error = QCoreApplication::translate("vxctl", "%1 changed since the job was interrupted (%2)")
                         .arg(m_job_file, m_path);
            return false;
        }
    }
    position->pages = journal.value(QStringLiteral("pages")).toInt();
    position->copies_left = journal.value(QStringLiteral("copies_left")).toInt();
    position->page = journal.value(QStringLiteral("page")).toInt();
    position->in_flight = journal.value(QStringLiteral("in_flight")).toBool();
    return true;
}

bool JobJournal::save(const Position &position)
{
    QJsonObject journal = file_identity(m_job_file);
    journal.insert(QStringLiteral("pages"), position.pages);
    journal.insert(QStringLiteral("copies_left"), position.copies_left);
    journal.insert(QStringLiteral("page"), position.page);
    journal.insert(QStringLiteral("in_flight"), position.in_flight);
    QDir().mkpath(QFileInfo(m_path).path());
    // Written whole or not at all: a crash leaves the last position.
    QSaveFile file(m_path);
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(journal).toJson()) > 0 && file.commit();
}

void JobJournal::remove()
{
    QFile::remove(m_path);
}

bool next_to_cut(const JobJournal::Position &where, bool redo_page, int *page, int *copies_left)
{
    *page = where.page + (where.in_flight && !redo_page ? 1 : 0);
    *copies_left = where.copies_left;
    if (*page > where.pages) {
        *page = 1;
        --*copies_left;
    }
    return *copies_left > 0 && where.pages > 0;
}

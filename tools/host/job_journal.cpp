#include "job_journal.h"

#include "host_texts_p.h"
#include "state_directory.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QCryptographicHash>
#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QSaveFile>

#include <limits>

namespace {

// Far more than a journal holds; a larger file is not one.
constexpr qint64 kLargestJournal = 64 * 1024;

QJsonObject file_identity(const QString &job_file)
{
    const QFileInfo info(job_file);
    return {{QStringLiteral("file"), info.absoluteFilePath()},
            {QStringLiteral("size"), double(info.size())},
            {QStringLiteral("modified"), double(info.lastModified().toMSecsSinceEpoch())}};
}

// A whole number of the journal, or -1 when it holds none.
int whole(const QJsonObject &journal, const char *key)
{
    const QJsonValue value = journal.value(QLatin1String(key));
    const double number = value.toDouble(-1.0);
    const bool whole = value.isDouble() && number >= 0.0 && number <= std::numeric_limits<int>::max()
        && number == int(number);
    return whole ? int(number) : -1;
}

} // namespace

JobJournal::JobJournal(const QString &job_file, const QString &target)
    : m_job_file(job_file), m_target(target)
{
    const QByteArray key = QFileInfo(job_file).absoluteFilePath().toUtf8() + '\n' + target.toUtf8();
    m_path = state_directory() + QStringLiteral("/jobs/")
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) + QStringLiteral(".json");
}

bool JobJournal::load(int pages, Position *position, QString *error) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.exists() ? VxctlText::tr("cannot read the journal %1: %2").arg(m_path, file.errorString())
                               : VxctlText::tr("no journal of an unfinished job for %1 on %2").arg(m_job_file, m_target);
        return false;
    }
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(file.read(kLargestJournal + 1), &parse);
    const QJsonObject journal = document.object();
    const QJsonObject identity = file_identity(m_job_file);
    const QString file_named = journal.value(QStringLiteral("file")).toString();
    const QString target_named = journal.value(QStringLiteral("target")).toString();
    if (file.size() > kLargestJournal || parse.error != QJsonParseError::NoError || !document.isObject()
        || file_named.isEmpty() || target_named.isEmpty()) {
        const QString why = parse.error != QJsonParseError::NoError ? parse.errorString() : VxctlText::tr("no file or machine named");
        *error = VxctlText::tr("the journal %1 is corrupt (%2): nothing is resumed from it").arg(m_path, why);
        return false;
    }
    if (file_named != identity.value(QStringLiteral("file")).toString()) {
        *error = VxctlText::tr("the journal %1 is of another file, %2, not %3").arg(m_path, file_named, m_job_file);
        return false;
    }
    if (target_named != m_target) {
        *error = VxctlText::tr("the journal %1 is of the job on %2, not on %3").arg(m_path, target_named, m_target);
        return false;
    }
    for (const char *key : {"size", "modified"}) {
        if (journal.value(QLatin1String(key)) != identity.value(QLatin1String(key))) {
            *error = VxctlText::tr("%1 changed since the job was interrupted (%2)").arg(m_job_file, m_path);
            return false;
        }
    }
    position->pages = whole(journal, "pages");
    position->copies_left = whole(journal, "copies_left");
    position->page = whole(journal, "page");
    position->in_flight = journal.value(QStringLiteral("in_flight")).toBool();
    // No copy left is a job whose last copy was confirmed.
    if (position->pages != pages || position->page < 1 || position->page > pages || position->copies_left < 0
        || position->copies_left > kMostCopies || !journal.value(QStringLiteral("in_flight")).isBool()) {
        *error = VxctlText::tr("the journal %1 does not fit %2 (%3 pages): it says page %4 of %5, %6 copies left")
                     .arg(m_path, m_job_file).arg(pages)
                     .arg(journal.value(QStringLiteral("page")).toVariant().toString(),
                          journal.value(QStringLiteral("pages")).toVariant().toString(),
                          journal.value(QStringLiteral("copies_left")).toVariant().toString());
        return false;
    }
    return true;
}

bool JobJournal::save(const Position &position)
{
    QJsonObject journal = file_identity(m_job_file);
    journal.insert(QStringLiteral("target"), m_target);
    journal.insert(QStringLiteral("pages"), position.pages);
    journal.insert(QStringLiteral("copies_left"), position.copies_left);
    journal.insert(QStringLiteral("page"), position.page);
    journal.insert(QStringLiteral("in_flight"), position.in_flight);
    QDir().mkpath(QFileInfo(m_path).path());
    // Written whole or not at all: a crash leaves the last position.
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(journal).toJson()) > 0 && file.commit())
        return true;
    // An older position would have confirmed pages cut again.
    remove();
    return false;
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

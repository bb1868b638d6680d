#include "job_history.h"

#include "studio_text_p.h"

#include <QtCore/QAtomicInteger>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QLoggingCategory>
#include <QtCore/QSaveFile>
#include <QtCore/QStandardPaths>
#include <QtCore/QUuid>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>

#include <limits>

Q_LOGGING_CATEGORY(lcHistory, "vx.studio.history")

const QString JobEntry::kRunning = QStringLiteral("running");
const QString JobEntry::kUnknown = QStringLiteral("unknown");

namespace {

constexpr int kSchemaVersion = 1;

const char *const kSchema[] = {
    "CREATE TABLE jobs (id INTEGER PRIMARY KEY AUTOINCREMENT, file TEXT NOT NULL, machine TEXT NOT NULL,"
    " copies_ordered INTEGER NOT NULL, copies_finished INTEGER NOT NULL, outcome TEXT NOT NULL,"
    " started_ms INTEGER NOT NULL, ended_ms INTEGER, duration_ms INTEGER, record TEXT NOT NULL,"
    " trace TEXT NOT NULL, console TEXT NOT NULL)",
    "CREATE INDEX jobs_by_start ON jobs (started_ms)",
    "PRAGMA user_version = 1",
};

QAtomicInteger<int> g_connections;

QVariant time_ms(const QDateTime &time)
{
    return time.isValid() ? QVariant(time.toMSecsSinceEpoch()) : QVariant(); // NULL
}

// A null QString binds as NULL; the text columns hold "" for none.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QString sql_error(const QSqlQuery &query)
{
    return query.lastError().text();
}

// RFC 4180: a field with a comma, quote or line break is quoted, its quotes doubled.
QString csv_field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csv_time(const QDateTime &time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODateWithMs) : QString();
}

} // namespace

JobHistory::JobHistory() : m_console(QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

JobHistory::~JobHistory()
{
    close();
}

QString JobHistory::default_path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/vxstudio/history.sqlite");
}

bool JobHistory::is_open() const
{
    return !m_connection.isEmpty();
}

void JobHistory::close()
{
    if (m_connection.isEmpty())
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
    m_path.clear();
}

bool JobHistory::open(const QString &path, QString *error)
{
    close();
    QString reason;
    const QFileInfo info(path);
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        reason = StudioText::tr("Qt's SQLite driver is not installed (Debian package libqt5sql5-sqlite)");
    else if (!QDir().mkpath(info.absolutePath()))
        reason = StudioText::tr("cannot create the folder %1").arg(info.absolutePath());
    else if (info.exists() && !info.isFile())
        reason = StudioText::tr("%1 is not a file").arg(path);
    if (!reason.isEmpty()) {
        *error = m_error = reason;
        return false;
    }
    m_connection = QStringLiteral("vxstudio-history-%1").arg(g_connections.fetchAndAddRelaxed(1));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
        if (!db.open())
            reason = StudioText::tr("cannot open the job history %1: %2").arg(path, db.lastError().text());
    }
    if (reason.isEmpty() && !check_schema(&reason))
        reason = StudioText::tr("the job history %1 is not used and is left as it is: %2").arg(path, reason);
    if (!reason.isEmpty()) {
        close();
        qCWarning(lcHistory).noquote() << reason;
        *error = m_error = reason;
        return false;
    }
    m_path = path;
    return true;
}

// Reads before it writes: a file that is no history of ours is never touched.
bool JobHistory::check_schema(QString *error)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
        *error = StudioText::tr("it is not a database or is damaged (%1)").arg(sql_error(query));
        return false;
    }
    if (query.value(0).toString() != QLatin1String("ok")) {
        *error = StudioText::tr("it is damaged (%1)").arg(query.value(0).toString());
        return false;
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        *error = sql_error(query);
        return false;
    }
    const int version = query.value(0).toInt();
    if (version > kSchemaVersion) {
        *error = StudioText::tr("it was written by a later version (schema %1; this one reads %2)")
                     .arg(version).arg(kSchemaVersion);
        return false;
    }
    if (version == kSchemaVersion)
        return true;
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next()) {
        *error = sql_error(query);
        return false;
    }
    if (query.value(0).toInt() > 0) {
        *error = StudioText::tr("it is a database of something else");
        return false;
    }
    if (!db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    for (const char *statement : kSchema) {
        if (!query.exec(QString::fromLatin1(statement))) {
            *error = sql_error(query);
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        *error = db.lastError().text();
        return false;
    }
    return true;
}

qint64 JobHistory::begin(const JobEntry &entry)
{
    if (!is_open()) {
        m_error = StudioText::tr("the job history is not open");
        return 0;
    }
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral(
        "INSERT INTO jobs (file, machine, copies_ordered, copies_finished, outcome, started_ms, record, trace, console)"
        " VALUES (?, ?, ?, 0, ?, ?, '', ?, ?)"));
    query.addBindValue(text(entry.file));
    query.addBindValue(text(entry.machine));
    query.addBindValue(entry.copies_ordered);
    query.addBindValue(JobEntry::kRunning);
    query.addBindValue(time_ms(entry.started.isValid() ? entry.started : QDateTime::currentDateTimeUtc()));
    query.addBindValue(text(entry.trace));
    query.addBindValue(m_console);
    if (!query.exec()) {
        m_error = StudioText::tr("the job was not written to the history: %1").arg(sql_error(query));
        qCWarning(lcHistory).noquote() << m_error;
        return 0;
    }
    return query.lastInsertId().toLongLong();
}

bool JobHistory::finish(qint64 id, const JobEntry &entry)
{
    if (!is_open()) {
        m_error = StudioText::tr("the job history is not open");
        return false;
    }
    if (entry.outcome == JobEntry::kRunning || entry.outcome == JobEntry::kUnknown) {
        m_error = StudioText::tr("a job ends with an outcome of its own, not \"%1\"").arg(entry.outcome);
        return false;
    }
    const QDateTime ended = entry.ended.isValid() ? entry.ended : QDateTime::currentDateTimeUtc();
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral(
        "UPDATE jobs SET copies_finished = ?, outcome = ?, ended_ms = ?,"
        " duration_ms = CASE WHEN ? >= 0 THEN ? ELSE ? - started_ms END, record = ?,"
        " trace = CASE WHEN ? = '' THEN trace ELSE ? END WHERE id = ? AND outcome = 'running'"));
    query.addBindValue(entry.copies_finished);
    query.addBindValue(entry.outcome);
    query.addBindValue(time_ms(ended));
    query.addBindValue(entry.duration_ms);
    query.addBindValue(entry.duration_ms);
    query.addBindValue(time_ms(ended));
    query.addBindValue(text(entry.record));
    query.addBindValue(text(entry.trace));
    query.addBindValue(text(entry.trace));
    query.addBindValue(id);
    if (!query.exec()) {
        m_error = StudioText::tr("the job's end was not written to the history: %1").arg(sql_error(query));
    } else if (query.numRowsAffected() != 1) {
        m_error = StudioText::tr("the history holds no running job %1").arg(id);
    } else {
        return true;
    }
    qCWarning(lcHistory).noquote() << m_error;
    return false;
}

QVector<JobEntry> JobHistory::find(const QDate &from, const QDate &to, const QString &file_contains) const
{
    QVector<JobEntry> found;
    m_error.clear();
    if (!is_open()) {
        m_error = StudioText::tr("the job history is not open");
        return found;
    }
    QString pattern = file_contains;
    pattern.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral(
        "SELECT id, file, machine, copies_ordered, copies_finished, outcome, started_ms, ended_ms, duration_ms,"
        " record, trace, console FROM jobs WHERE started_ms >= ? AND started_ms < ? AND file LIKE ? ESCAPE '\\'"
        " ORDER BY started_ms DESC, id DESC LIMIT ?"));
    query.addBindValue(from.isValid() ? QDateTime(from.startOfDay()).toMSecsSinceEpoch() : std::numeric_limits<qint64>::min());
    query.addBindValue(to.isValid() ? to.addDays(1).startOfDay().toMSecsSinceEpoch() : std::numeric_limits<qint64>::max());
    query.addBindValue(QLatin1Char('%') + pattern + QLatin1Char('%'));
    query.addBindValue(kMaxFound);
    if (!query.exec()) {
        m_error = StudioText::tr("the job history cannot be read: %1").arg(sql_error(query));
        qCWarning(lcHistory).noquote() << m_error;
        return found;
    }
    while (query.next()) {
        JobEntry entry;
        entry.id = query.value(0).toLongLong();
        entry.file = query.value(1).toString();
        entry.machine = query.value(2).toString();
        entry.copies_ordered = query.value(3).toInt();
        entry.copies_finished = query.value(4).toInt();
        entry.outcome = query.value(5).toString();
        entry.started = QDateTime::fromMSecsSinceEpoch(query.value(6).toLongLong());
        if (!query.value(7).isNull())
            entry.ended = QDateTime::fromMSecsSinceEpoch(query.value(7).toLongLong());
        entry.duration_ms = query.value(8).isNull() ? -1 : query.value(8).toLongLong();
        entry.record = query.value(9).toString();
        entry.trace = query.value(10).toString();
        // Its console ended before the job did: how it ended is not known.
        if (entry.outcome == JobEntry::kRunning && query.value(11).toString() != m_console)
            entry.outcome = JobEntry::kUnknown;
        found << entry;
    }
    return found;
}

QString JobHistory::outcome_text(const QString &outcome)
{
    static const struct
    {
        const char *name;
        const char *text;
    } texts[] = {
        {"running", QT_TRANSLATE_NOOP("vxstudio", "running")},
        {"unknown", QT_TRANSLATE_NOOP("vxstudio", "unknown: the console ended during the job")},
        {"finished", QT_TRANSLATE_NOOP("vxstudio", "finished")},
        {"link_lost", QT_TRANSLATE_NOOP("vxstudio", "link lost: whether the machine stopped is unknown")},
        {"machine_stop", QT_TRANSLATE_NOOP("vxstudio", "stopped on the machine")},
        {"stopped", QT_TRANSLATE_NOOP("vxstudio", "stopped by the operator")},
        {"silent", QT_TRANSLATE_NOOP("vxstudio", "the machine stopped answering; it confirmed the stop")},
        {"stop_unconfirmed", QT_TRANSLATE_NOOP("vxstudio", "stop not confirmed: it may still be cutting")},
    };
    for (const auto &row : texts) {
        if (outcome == QLatin1String(row.name))
            return StudioText::tr(row.text);
    }
    return outcome;
}

bool JobHistory::export_csv(const QString &path, const QVector<JobEntry> &entries, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = StudioText::tr("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    const QStringList titles{StudioText::tr("id"), StudioText::tr("file"), StudioText::tr("machine"),
                             StudioText::tr("copies ordered"), StudioText::tr("copies finished"),
                             StudioText::tr("outcome"), StudioText::tr("started (UTC)"), StudioText::tr("ended (UTC)"),
                             StudioText::tr("duration (s)"), StudioText::tr("machine's record"), StudioText::tr("trace")};
    QStringList lines;
    QStringList fields;
    for (const QString &title : titles)
        fields << csv_field(title);
    lines << fields.join(QLatin1Char(','));
    for (const JobEntry &entry : entries) {
        fields = QStringList{QString::number(entry.id), entry.file, entry.machine,
                             QString::number(entry.copies_ordered), QString::number(entry.copies_finished),
                             outcome_text(entry.outcome), csv_time(entry.started), csv_time(entry.ended),
                             entry.duration_ms < 0 ? QString() : QString::number(entry.duration_ms / 1000.0, 'f', 3),
                             entry.record, entry.trace};
        for (QString &field : fields)
            field = csv_field(field);
        lines << fields.join(QLatin1Char(','));
    }
    const QByteArray bytes = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *error = StudioText::tr("cannot write %1: %2; nothing was exported").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

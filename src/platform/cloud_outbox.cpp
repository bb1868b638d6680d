#include "cloud_outbox_p.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QLoggingCategory>
#include <QtCore/QUuid>
#include <QtCore/QVariant>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>

#include <cerrno>

#include <signal.h>

namespace {

Q_LOGGING_CATEGORY(lcOutbox, "vx.cloud.outbox", QtInfoMsg)

// SQLite's result codes for a file that is no database or a damaged one.
const QString kCorrupt = QStringLiteral("11");
const QString kNotADatabase = QStringLiteral("26");

const QString kColumns = QStringLiteral(
    "id, service, account, resource, verb, body, replaces, key, attempts, created, last_status, reason");

qint64 now_ms()
{
    return QDateTime::currentMSecsSinceEpoch();
}

// Text columns are NOT NULL: a null string is stored as an empty one.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

bool process_is_gone(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// One statement, its error logged; the query holds the rows on success.
class Statement
{
public:
    Statement(const QString &connection, const QString &sql)
        : m_query(QSqlDatabase::database(connection, false))
    {
        m_prepared = m_query.prepare(sql);
        if (!m_prepared)
            log(sql);
    }
    Statement &bind(const QVariant &value)
    {
        m_query.addBindValue(value);
        return *this;
    }
    bool run()
    {
        if (!m_prepared)
            return false;
        if (m_query.exec())
            return true;
        log(m_query.lastQuery());
        return false;
    }
    QSqlQuery &query() { return m_query; }
    QSqlError error() const { return m_query.lastError(); }

private:
    void log(const QString &sql)
    {
        qCWarning(lcOutbox) << "outbox:" << m_query.lastError().text() << "in" << sql.left(60);
    }

    QSqlQuery m_query;
    bool m_prepared = false;
};

CloudOutbox::Entry entry_from(const QSqlQuery &row)
{
    CloudOutbox::Entry entry;
    entry.id = row.value(0).toLongLong();
    entry.service = row.value(1).toString();
    entry.account = row.value(2).toString();
    entry.resource = row.value(3).toString();
    entry.verb = row.value(4).toString().toLatin1();
    entry.body = row.value(5).toString().toUtf8();
    entry.replaces = row.value(6).toString();
    entry.key = row.value(7).toString().toLatin1();
    entry.attempts = row.value(8).toInt();
    entry.created_ms = row.value(9).toLongLong();
    entry.last_status = row.value(10).toInt();
    entry.reason = row.value(11).toString();
    return entry;
}

} // namespace

CloudOutbox::CloudOutbox(const QString &database_file)
    : m_connection(QStringLiteral("vx-outbox-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    , m_owner(QByteArray::number(QCoreApplication::applicationPid()) + '/'
              + QUuid::createUuid().toByteArray(QUuid::WithoutBraces))
{
    if (!QDir().mkpath(QFileInfo(database_file).absolutePath())) {
        m_error = QStringLiteral("cannot make the folder of %1").arg(database_file);
        qCCritical(lcOutbox) << "outbox:" << m_error;
        return;
    }
    if (open(database_file))
        return;
    if (m_error.isEmpty()) // damaged: keep it for a look, start afresh
        m_open = open(database_file);
    if (!m_open)
        qCCritical(lcOutbox) << "outbox: unavailable:" << m_error;
}

CloudOutbox::~CloudOutbox()
{
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

// False with an empty error when the file was damaged and has been set aside.
bool CloudOutbox::open(const QString &database_file)
{
    QSqlDatabase db = QSqlDatabase::contains(m_connection) ? QSqlDatabase::database(m_connection, false)
                                                           : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(database_file);
    if (!db.open()) {
        m_error = db.lastError().text();
        return false;
    }
    QSqlQuery check(db);
    // Another process may hold the file for a moment: wait rather than fail.
    check.exec(QStringLiteral("PRAGMA busy_timeout = 5000"));
    const bool checked = check.exec(QStringLiteral("PRAGMA quick_check")) && check.next();
    const QString native = check.lastError().nativeErrorCode();
    if ((checked && check.value(0).toString() != QLatin1String("ok")) || native == kCorrupt || native == kNotADatabase) {
        set_aside(database_file, checked ? check.value(0).toString() : check.lastError().text());
        return false;
    }
    // Write-ahead logging: a kill at any point loses no committed entry, and
    // other processes read while one writes. NORMAL syncs at checkpoints
    // only, which a killed process cannot hurt.
    check.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    check.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    m_open = retire_unaddressed_entries() && create_tables();
    if (!m_open)
        m_error = QStringLiteral("cannot set up the tables of %1").arg(database_file);
    return m_open;
}

void CloudOutbox::set_aside(const QString &database_file, const QString &why)
{
    QSqlDatabase::database(m_connection, false).close();
    const QString aside = database_file + QStringLiteral(".corrupt-")
                          + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (const char *suffix : {"", "-wal", "-shm"}) {
        const QString from = database_file + QLatin1String(suffix);
        if (QFile::exists(from) && !QFile::rename(from, aside + QLatin1String(suffix)))
            m_error = QStringLiteral("cannot move %1 aside").arg(from);
    }
    qCWarning(lcOutbox) << "outbox: damaged (" << why << "), kept as" << aside << "- starting a new one";
}

bool CloudOutbox::create_tables()
{
    const QString columns = QStringLiteral(
        "service TEXT NOT NULL, account TEXT NOT NULL, resource TEXT NOT NULL, verb TEXT NOT NULL, "
        "body TEXT NOT NULL, replaces TEXT, key TEXT NOT NULL, attempts INTEGER NOT NULL DEFAULT 0, "
        "created INTEGER NOT NULL, last_status INTEGER NOT NULL DEFAULT 0, reason TEXT NOT NULL DEFAULT ''");
    return Statement(m_connection, QStringLiteral("CREATE TABLE IF NOT EXISTS outbox (id INTEGER PRIMARY KEY "
                                                  "AUTOINCREMENT, %1, claim_owner TEXT, claim_pid INTEGER, "
                                                  "claim_until INTEGER)").arg(columns)).run()
        && Statement(m_connection, QStringLiteral("CREATE INDEX IF NOT EXISTS outbox_by_service "
                                                  "ON outbox (service, account, id)")).run()
        && Statement(m_connection, QStringLiteral("CREATE TABLE IF NOT EXISTS dead_letters (id INTEGER PRIMARY "
                                                  "KEY AUTOINCREMENT, %1, died INTEGER NOT NULL)").arg(columns)).run();
}

// An earlier version kept entries without the service they were meant for:
// nobody can tell where they belong, so an operator decides (vxctl cloud).
bool CloudOutbox::retire_unaddressed_entries()
{
    Statement columns(m_connection, QStringLiteral("PRAGMA table_info(outbox)"));
    if (!columns.run())
        return false;
    bool exists = false;
    while (columns.query().next()) {
        exists = true;
        if (columns.query().value(1).toString() == QLatin1String("service"))
            return true;
    }
    if (!exists)
        return true;
    qCWarning(lcOutbox) << "outbox: entries kept without their service go to the dead letters";
    return transaction([this] {
        return Statement(m_connection, QStringLiteral("ALTER TABLE outbox RENAME TO unaddressed")).run()
            && create_tables()
            && Statement(m_connection, QStringLiteral(
                   "INSERT INTO dead_letters (service, account, resource, verb, body, key, attempts, created, "
                   "reason, died) SELECT '', '', resource, verb, body, lower(hex(randomblob(16))), attempts, ?, "
                   "'kept by an earlier version without its service', ? FROM unaddressed ORDER BY id"))
                   .bind(now_ms()).bind(now_ms()).run()
            && Statement(m_connection, QStringLiteral("DROP TABLE unaddressed")).run();
    });
}

bool CloudOutbox::transaction(const std::function<bool()> &work)
{
    if (!Statement(m_connection, QStringLiteral("BEGIN IMMEDIATE")).run())
        return false;
    if (work() && Statement(m_connection, QStringLiteral("COMMIT")).run())
        return true;
    Statement(m_connection, QStringLiteral("ROLLBACK")).run();
    return false;
}

qint64 CloudOutbox::add(const Entry &entry)
{
    if (!m_open)
        return 0;
    qint64 id = 0;
    const bool added = transaction([&] {
        const bool replaced = entry.replaces.isEmpty()
            || Statement(m_connection, QStringLiteral("DELETE FROM outbox WHERE service = ? AND account = ? AND "
                                                      "replaces = ? AND (claim_owner IS NULL OR claim_until < ?)"))
                   .bind(text(entry.service)).bind(text(entry.account)).bind(entry.replaces).bind(now_ms()).run();
        Statement insert(m_connection, QStringLiteral("INSERT INTO outbox (service, account, resource, verb, body, "
                                                      "replaces, key, created) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        insert.bind(text(entry.service)).bind(text(entry.account)).bind(text(entry.resource))
            .bind(text(QString::fromLatin1(entry.verb))).bind(text(QString::fromUtf8(entry.body)))
            .bind(entry.replaces.isEmpty() ? QVariant(QString()) : QVariant(entry.replaces))
            .bind(text(QString::fromLatin1(entry.key))).bind(entry.created_ms);
        if (!replaced || !insert.run()) {
            m_error = insert.error().text();
            return false;
        }
        id = insert.query().lastInsertId().toLongLong();
        return true;
    });
    return added ? id : 0;
}

// A process that died while sending cannot finish: its claims are free.
void CloudOutbox::free_claims_of_dead_processes(qint64 now)
{
    Statement holders(m_connection, QStringLiteral("SELECT DISTINCT claim_pid FROM outbox WHERE claim_owner IS "
                                                   "NOT NULL AND claim_until >= ?"));
    if (!holders.bind(now).run())
        return;
    QList<qint64> gone;
    while (holders.query().next()) {
        if (process_is_gone(holders.query().value(0).toLongLong()))
            gone << holders.query().value(0).toLongLong();
    }
    for (qint64 pid : gone)
        Statement(m_connection, QStringLiteral("UPDATE outbox SET claim_owner = NULL WHERE claim_pid = ?")).bind(pid).run();
}

QList<CloudOutbox::Entry> CloudOutbox::claim(const QString &service, const QString &account, int limit,
                                             qint64 lease_ms)
{
    QList<Entry> claimed;
    if (!m_open || limit <= 0)
        return claimed;
    const bool ok = transaction([&] {
        const qint64 now = now_ms();
        free_claims_of_dead_processes(now);
        const QString free = QStringLiteral("(claim_owner IS NULL OR claim_until < %1)").arg(now);
        // A replaced entry nobody is sending is never sent after all; of one
        // resource only the oldest entry left (sent or being sent) goes out.
        if (!Statement(m_connection, QStringLiteral(
                "DELETE FROM outbox WHERE replaces IS NOT NULL AND %1 AND EXISTS (SELECT 1 FROM outbox AS newer "
                "WHERE newer.replaces = outbox.replaces AND newer.service = outbox.service AND newer.account = "
                "outbox.account AND newer.id > outbox.id)").arg(free)).run())
            return false;
        Statement due(m_connection, QStringLiteral(
            "SELECT %1 FROM outbox WHERE service = ? AND account = ? AND %2 AND (replaces IS NULL OR NOT EXISTS "
            "(SELECT 1 FROM outbox AS older WHERE older.replaces = outbox.replaces AND older.service = "
            "outbox.service AND older.account = outbox.account AND older.id < outbox.id)) ORDER BY id LIMIT ?")
            .arg(kColumns, free));
        if (!due.bind(text(service)).bind(text(account)).bind(limit).run())
            return false;
        while (due.query().next())
            claimed << entry_from(due.query());
        for (const Entry &entry : qAsConst(claimed)) {
            if (!Statement(m_connection, QStringLiteral("UPDATE outbox SET claim_owner = ?, claim_pid = ?, "
                                                        "claim_until = ? WHERE id = ?"))
                     .bind(QString::fromLatin1(m_owner)).bind(QCoreApplication::applicationPid())
                     .bind(now + lease_ms).bind(entry.id).run())
                return false;
        }
        return true;
    });
    return ok ? claimed : QList<Entry>();
}

bool CloudOutbox::remove(qint64 id)
{
    Statement removed(m_connection, QStringLiteral("DELETE FROM outbox WHERE id = ?"));
    return m_open && removed.bind(id).run() && removed.query().numRowsAffected() == 1;
}

bool CloudOutbox::release(qint64 id, int status, const QString &reason)
{
    return m_open
        && Statement(m_connection, QStringLiteral("UPDATE outbox SET attempts = attempts + 1, last_status = ?, "
                                                  "reason = ?, claim_owner = NULL WHERE id = ?"))
               .bind(status).bind(text(reason)).bind(id).run();
}

bool CloudOutbox::bury(qint64 id, int status, const QString &reason)
{
    return m_open && transaction([&] {
        return Statement(m_connection, QStringLiteral(
                   "INSERT INTO dead_letters (service, account, resource, verb, body, replaces, key, attempts, "
                   "created, last_status, reason, died) SELECT service, account, resource, verb, body, replaces, key, "
                   "attempts + 1, created, ?, ?, ? FROM outbox WHERE id = ?"))
                   .bind(status).bind(text(reason)).bind(now_ms()).bind(id).run()
            && Statement(m_connection, QStringLiteral("DELETE FROM outbox WHERE id = ?")).bind(id).run();
    });
}

int CloudOutbox::count(const QString &table, const QString &service, const QString &account) const
{
    if (!m_open)
        return -1;
    Statement counted(m_connection,
                      QStringLiteral("SELECT COUNT(*) FROM %1 WHERE service = ? AND account = ?").arg(table));
    if (!counted.bind(text(service)).bind(text(account)).run() || !counted.query().next())
        return -1;
    return counted.query().value(0).toInt();
}

int CloudOutbox::pending(const QString &service, const QString &account) const
{
    return count(QStringLiteral("outbox"), service, account);
}

int CloudOutbox::dead(const QString &service, const QString &account) const
{
    return count(QStringLiteral("dead_letters"), service, account);
}

QList<CloudOutbox::Entry> CloudOutbox::select_entries(const QString &table, int limit, qint64 after_id) const
{
    QList<Entry> entries;
    if (!m_open)
        return entries;
    const bool dead = table == QLatin1String("dead_letters");
    Statement rows(m_connection, QStringLiteral("SELECT %1%2 FROM %3 WHERE id > ? ORDER BY id LIMIT ?")
                                     .arg(kColumns, dead ? QStringLiteral(", died") : QString(), table));
    if (!rows.bind(after_id).bind(limit).run())
        return entries;
    while (rows.query().next()) {
        Entry entry = entry_from(rows.query());
        if (dead)
            entry.died_ms = rows.query().value(12).toLongLong();
        entries << entry;
    }
    return entries;
}

QList<CloudOutbox::Entry> CloudOutbox::waiting_entries(int limit, qint64 after_id) const
{
    return select_entries(QStringLiteral("outbox"), limit, after_id);
}

QList<CloudOutbox::Entry> CloudOutbox::dead_letters(int limit, qint64 after_id) const
{
    return select_entries(QStringLiteral("dead_letters"), limit, after_id);
}

bool CloudOutbox::revive(qint64 id, const QString &service)
{
    return m_open && transaction([&] {
        Statement revived(m_connection, QStringLiteral(
            "INSERT INTO outbox (service, account, resource, verb, body, replaces, key, created, reason) SELECT "
            "CASE WHEN ? = '' THEN service ELSE ? END, account, resource, verb, body, replaces, key, ?, reason "
            "FROM dead_letters WHERE id = ? AND (service != '' OR ? != '')"));
        return revived.bind(text(service)).bind(text(service)).bind(now_ms()).bind(id).bind(text(service)).run()
            && revived.query().numRowsAffected() == 1
            && Statement(m_connection, QStringLiteral("DELETE FROM dead_letters WHERE id = ?")).bind(id).run();
    });
}

bool CloudOutbox::purge(qint64 id)
{
    Statement purged(m_connection, QStringLiteral("DELETE FROM dead_letters WHERE id = ?"));
    return m_open && purged.bind(id).run() && purged.query().numRowsAffected() == 1;
}

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

#include <algorithm>
#include <cerrno>

#include <signal.h>

Q_LOGGING_CATEGORY(lcOutbox, "vx.cloud.outbox", QtInfoMsg)

// One statement, its error reported; the query holds the rows on success.
class CloudOutboxStatement
{
public:
    CloudOutboxStatement(const CloudOutbox &outbox, const QString &sql)
        : m_query(QSqlDatabase::database(outbox.m_connection, false))
        , m_faults(outbox.m_faults)
    {
        m_prepared = m_query.prepare(sql);
        if (!m_prepared)
            m_faults.failed(m_query.lastError(), sql);
    }
    CloudOutboxStatement &bind(const QVariant &value)
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
        m_faults.failed(m_query.lastError(), m_query.lastQuery());
        return false;
    }
    // For a ROLLBACK: after a failed COMMIT SQLite may have ended the
    // transaction itself, and the failure was reported already.
    void run_quietly()
    {
        if (m_prepared)
            m_query.exec();
    }
    QSqlQuery &query() { return m_query; }

private:
    QSqlQuery m_query;
    OutboxFaults &m_faults;
    bool m_prepared = false;
};

namespace {

using Statement = CloudOutboxStatement;

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

// Nobody sends it: it has no claim or an old one, in the file and in
// memory. A claim of this process in the file is outdated by what is held
// in memory (`u`) of an attempt that ended.
QString free_of_claims(qint64 now, const QByteArray &owner)
{
    return QStringLiteral("(CASE WHEN u.id IS NULL THEN o.claim_owner IS NULL OR o.claim_until < %1 "
                          "ELSE u.fate IS NULL AND (u.claim_until IS NULL OR u.claim_until < %1) AND "
                          "(o.claim_owner IS NULL OR o.claim_until < %1 OR o.claim_owner = '%2') END)")
        .arg(now)
        .arg(QString::fromLatin1(owner));
}

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
    , m_faults(database_file)
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
    // The file may take writes again by now.
    if (m_has_unwritten)
        transaction([] { return true; });
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
    // The changes held while the file takes no writes stay off the disk.
    check.exec(QStringLiteral("PRAGMA temp_store = MEMORY"));
    m_open = retire_unaddressed_entries() && create_tables();
    if (m_open)
        m_faults.opened();
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
    return Statement(*this, QStringLiteral("CREATE TABLE IF NOT EXISTS outbox (id INTEGER PRIMARY KEY "
                                           "AUTOINCREMENT, %1, claim_owner TEXT, claim_pid INTEGER, "
                                           "claim_until INTEGER)").arg(columns)).run()
        && Statement(*this, QStringLiteral("CREATE INDEX IF NOT EXISTS outbox_by_service "
                                           "ON outbox (service, account, id)")).run()
        && Statement(*this, QStringLiteral("CREATE TABLE IF NOT EXISTS dead_letters (id INTEGER PRIMARY "
                                           "KEY AUTOINCREMENT, %1, died INTEGER NOT NULL)").arg(columns)).run()
        // What became of an entry while the file took no writes: attempts
        // to add, a claim of this process, and its fate: delivered
        // ('gone') or dead. The connection's own, in memory.
        && Statement(*this, QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS unwritten (id INTEGER PRIMARY KEY, "
                                           "attempts INTEGER NOT NULL DEFAULT 0, last_status INTEGER, reason TEXT, "
                                           "claim_until INTEGER, fate TEXT, died INTEGER)")).run();
}

// An earlier version kept entries without the service they were meant for:
// nobody can tell where they belong, so an operator decides (vxctl cloud).
bool CloudOutbox::retire_unaddressed_entries()
{
    Statement columns(*this, QStringLiteral("PRAGMA table_info(outbox)"));
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
        return Statement(*this, QStringLiteral("ALTER TABLE outbox RENAME TO unaddressed")).run()
            && create_tables()
            && Statement(*this, QStringLiteral(
                   "INSERT INTO dead_letters (service, account, resource, verb, body, key, attempts, created, "
                   "reason, died) SELECT '', '', resource, verb, body, lower(hex(randomblob(16))), attempts, ?, "
                   "'kept by an earlier version without its service', ? FROM unaddressed ORDER BY id"))
                   .bind(now_ms()).bind(now_ms()).run()
            && Statement(*this, QStringLiteral("DROP TABLE unaddressed")).run();
    });
}

qint64 CloudOutbox::total_changes() const
{
    Statement changes(*this, QStringLiteral("SELECT total_changes()"));
    return changes.run() && changes.query().next() ? changes.query().value(0).toLongLong() : -1;
}

bool CloudOutbox::transaction(const std::function<bool()> &work)
{
    // While the file takes no writes, only a change that reaches it says
    // it takes them again: a commit of nothing proves nothing.
    const qint64 before = m_faults.failing() ? total_changes() : -1;
    if (!Statement(*this, QStringLiteral("BEGIN IMMEDIATE")).run())
        return false;
    if ((!m_has_unwritten || write_unwritten()) && work() && Statement(*this, QStringLiteral("COMMIT")).run()) {
        m_has_unwritten = false;
        if (before >= 0 && total_changes() > before)
            m_faults.wrote();
        return true;
    }
    Statement(*this, QStringLiteral("ROLLBACK")).run_quietly();
    return false;
}

bool CloudOutbox::in_memory(const std::function<bool()> &work)
{
    const qint64 before = total_changes();
    if (!Statement(*this, QStringLiteral("BEGIN")).run())
        return false;
    if (work() && Statement(*this, QStringLiteral("COMMIT")).run()) {
        m_has_unwritten = m_has_unwritten || total_changes() != before;
        return true;
    }
    Statement(*this, QStringLiteral("ROLLBACK")).run_quietly();
    return false;
}

// Part of the first transaction the file takes after it took none.
bool CloudOutbox::write_unwritten()
{
    const qint64 now = now_ms();
    const QString owner = QString::fromLatin1(m_owner);
    const auto held = [](const char *column) {
        return QStringLiteral("(SELECT u.%1 FROM temp.unwritten AS u WHERE u.id = outbox.id)")
            .arg(QLatin1String(column));
    };
    return Statement(*this, QStringLiteral(
               "INSERT INTO dead_letters (service, account, resource, verb, body, replaces, key, attempts, created, "
               "last_status, reason, died) SELECT o.service, o.account, o.resource, o.verb, o.body, o.replaces, o.key, "
               "o.attempts + u.attempts, o.created, u.last_status, u.reason, u.died FROM outbox AS o JOIN "
               "temp.unwritten AS u ON u.id = o.id WHERE u.fate = 'dead' ORDER BY o.id")).run()
        && Statement(*this, QStringLiteral("DELETE FROM outbox WHERE id IN (SELECT id FROM temp.unwritten WHERE "
                                           "fate IS NOT NULL)")).run()
        && Statement(*this, QStringLiteral("UPDATE outbox SET attempts = attempts + %1, last_status = coalesce(%2, "
                                           "last_status), reason = coalesce(%3, reason) WHERE id IN (SELECT id FROM "
                                           "temp.unwritten WHERE attempts > 0)")
                                .arg(held("attempts"), held("last_status"), held("reason"))).run()
        // Claims held in memory go on in the file; older ones of this
        // process ended with the attempts held in memory.
        && Statement(*this, QStringLiteral("UPDATE outbox SET claim_owner = ?, claim_pid = ?, claim_until = %1 "
                                           "WHERE id IN (SELECT id FROM temp.unwritten WHERE claim_until >= ?)")
                                .arg(held("claim_until")))
               .bind(owner).bind(QCoreApplication::applicationPid()).bind(now).run()
        && Statement(*this, QStringLiteral("UPDATE outbox SET claim_owner = NULL WHERE claim_owner = ? AND id IN "
                                           "(SELECT id FROM temp.unwritten WHERE claim_until IS NULL OR "
                                           "claim_until < ?)"))
               .bind(owner).bind(now).run()
        && Statement(*this, QStringLiteral("DELETE FROM temp.unwritten")).run();
}

// Holds a change of a kept entry in memory; false when it is not kept or
// has a fate already.
bool CloudOutbox::hold(qint64 id, const QString &change, const QVariantList &values)
{
    bool held = false;
    return in_memory([&] {
        Statement update(*this,
                         QStringLiteral("UPDATE temp.unwritten SET %1 WHERE id = ? AND fate IS NULL").arg(change));
        for (const QVariant &value : values)
            update.bind(value);
        if (!Statement(*this, QStringLiteral("INSERT OR IGNORE INTO temp.unwritten (id) SELECT id FROM outbox "
                                             "WHERE id = ?")).bind(id).run()
            || !update.bind(id).run())
            return false;
        held = update.query().numRowsAffected() == 1;
        return true;
    }) && held;
}
qint64 CloudOutbox::add(const Entry &entry)
{
    if (!m_open)
        return 0;
    qint64 id = 0;
    const bool added = transaction([&] {
        const bool replaced = entry.replaces.isEmpty()
            || Statement(*this, QStringLiteral("DELETE FROM outbox WHERE service = ? AND account = ? AND "
                                               "replaces = ? AND (claim_owner IS NULL OR claim_until < ?)"))
                   .bind(text(entry.service)).bind(text(entry.account)).bind(entry.replaces).bind(now_ms()).run();
        Statement insert(*this, QStringLiteral("INSERT INTO outbox (service, account, resource, verb, body, "
                                               "replaces, key, created) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        insert.bind(text(entry.service)).bind(text(entry.account)).bind(text(entry.resource))
            .bind(text(QString::fromLatin1(entry.verb))).bind(text(QString::fromUtf8(entry.body)))
            .bind(entry.replaces.isEmpty() ? QVariant(QString()) : QVariant(entry.replaces))
            .bind(text(QString::fromLatin1(entry.key))).bind(entry.created_ms);
        if (!replaced || !insert.run())
            return false;
        id = insert.query().lastInsertId().toLongLong();
        return true;
    });
    if (added)
        return id;
    m_error = m_faults.last_error();
    // Not kept, yet what it replaces is not sent either.
    if (writes_failing() && !entry.replaces.isEmpty()) {
        in_memory([&] {
            return Statement(*this, QStringLiteral(
                       "INSERT INTO temp.unwritten (id, fate) SELECT o.id, 'gone' FROM outbox AS o LEFT JOIN "
                       "temp.unwritten AS u ON u.id = o.id WHERE o.service = ? AND o.account = ? AND o.replaces = ? "
                       "AND %1 ON CONFLICT(id) DO UPDATE SET fate = 'gone'").arg(free_of_claims(now_ms(), m_owner)))
                .bind(text(entry.service)).bind(text(entry.account)).bind(entry.replaces).run();
        });
    }
    return 0;
}

// A process that died while sending cannot finish: its claims are free.
void CloudOutbox::free_claims_of_dead_processes(qint64 now)
{
    Statement holders(*this, QStringLiteral("SELECT DISTINCT claim_pid FROM outbox WHERE claim_owner IS "
                                            "NOT NULL AND claim_until >= ?"));
    if (!holders.bind(now).run())
        return;
    QList<qint64> gone;
    while (holders.query().next()) {
        if (process_is_gone(holders.query().value(0).toLongLong()))
            gone << holders.query().value(0).toLongLong();
    }
    for (qint64 pid : gone)
        Statement(*this, QStringLiteral("UPDATE outbox SET claim_owner = NULL WHERE claim_pid = ?")).bind(pid).run();
}

bool CloudOutbox::select_due(const QString &service, const QString &account, int limit, qint64 now,
                             QList<Entry> &due)
{
    // Of one resource only the oldest entry left (sent or being sent) goes out.
    Statement rows(*this, QStringLiteral(
        "SELECT o.id, o.service, o.account, o.resource, o.verb, o.body, o.replaces, o.key, o.attempts + "
        "coalesce(u.attempts, 0), o.created, coalesce(u.last_status, o.last_status), coalesce(u.reason, o.reason) "
        "FROM outbox AS o LEFT JOIN temp.unwritten AS u ON u.id = o.id WHERE o.service = ? AND o.account = ? AND %1 "
        "AND (o.replaces IS NULL OR NOT EXISTS (SELECT 1 FROM outbox AS older WHERE older.replaces = o.replaces AND "
        "older.service = o.service AND older.account = o.account AND older.id < o.id AND NOT EXISTS (SELECT 1 FROM "
        "temp.unwritten AS gone WHERE gone.id = older.id AND gone.fate IS NOT NULL))) ORDER BY o.id LIMIT ?")
        .arg(free_of_claims(now, m_owner)));
    if (!rows.bind(text(service)).bind(text(account)).bind(limit).run())
        return false;
    while (rows.query().next())
        due << entry_from(rows.query());
    return true;
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
        // A replaced entry nobody is sending is never sent after all.
        const QString free = QStringLiteral("(claim_owner IS NULL OR claim_until < %1)").arg(now);
        if (!Statement(*this, QStringLiteral(
                "DELETE FROM outbox WHERE replaces IS NOT NULL AND %1 AND EXISTS (SELECT 1 FROM outbox AS newer "
                "WHERE newer.replaces = outbox.replaces AND newer.service = outbox.service AND newer.account = "
                "outbox.account AND newer.id > outbox.id)").arg(free)).run()
            || !select_due(service, account, limit, now, claimed))
            return false;
        for (const Entry &entry : qAsConst(claimed)) {
            if (!Statement(*this, QStringLiteral("UPDATE outbox SET claim_owner = ?, claim_pid = ?, "
                                                 "claim_until = ? WHERE id = ?"))
                     .bind(QString::fromLatin1(m_owner)).bind(QCoreApplication::applicationPid())
                     .bind(now + lease_ms).bind(entry.id).run())
                return false;
        }
        return true;
    });
    if (ok || !writes_failing())
        return ok ? claimed : QList<Entry>();
    // The file takes no writes: the claims are held in memory, and what was
    // kept goes all the same.
    claimed.clear();
    const bool held = in_memory([&] {
        const qint64 now = now_ms();
        Statement holding(*this, QStringLiteral("SELECT COUNT(*) FROM temp.unwritten"));
        if (!holding.run() || !holding.query().next())
            return false;
        const int room = std::min(limit, kMaxUnwritten - holding.query().value(0).toInt());
        if (room <= 0 || !select_due(service, account, room, now, claimed))
            return room <= 0;
        for (const Entry &entry : qAsConst(claimed)) {
            if (!Statement(*this, QStringLiteral("INSERT INTO temp.unwritten (id, claim_until) VALUES (?, ?) ON "
                                                 "CONFLICT(id) DO UPDATE SET claim_until = excluded.claim_until"))
                     .bind(entry.id).bind(now + lease_ms).run())
                return false;
        }
        return true;
    });
    return held ? claimed : QList<Entry>();
}
bool CloudOutbox::remove(qint64 id)
{
    if (!m_open)
        return false;
    bool removed = false;
    const bool written = transaction([&] {
        Statement deleted(*this, QStringLiteral("DELETE FROM outbox WHERE id = ?"));
        if (!deleted.bind(id).run())
            return false;
        removed = deleted.query().numRowsAffected() == 1;
        return true;
    });
    if (written)
        return removed;
    // Delivered all the same: never claimed again, deleted with the next write.
    return writes_failing() && hold(id, QStringLiteral("fate = 'gone', claim_until = NULL"), {});
}
bool CloudOutbox::release(qint64 id, int status, const QString &reason)
{
    if (!m_open)
        return false;
    const bool written = transaction([&] {
        return Statement(*this, QStringLiteral("UPDATE outbox SET attempts = attempts + 1, last_status = ?, "
                                               "reason = ?, claim_owner = NULL WHERE id = ?"))
            .bind(status).bind(text(reason)).bind(id).run();
    });
    return written
        || (writes_failing()
            && hold(id, QStringLiteral("attempts = attempts + 1, last_status = ?, reason = ?, claim_until = NULL"),
                    {status, text(reason)}));
}
bool CloudOutbox::bury(qint64 id, int status, const QString &reason)
{
    if (!m_open)
        return false;
    const bool written = transaction([&] {
        return Statement(*this, QStringLiteral(
                   "INSERT INTO dead_letters (service, account, resource, verb, body, replaces, key, attempts, "
                   "created, last_status, reason, died) SELECT service, account, resource, verb, body, replaces, key, "
                   "attempts + 1, created, ?, ?, ? FROM outbox WHERE id = ?"))
                   .bind(status).bind(text(reason)).bind(now_ms()).bind(id).run()
            && Statement(*this, QStringLiteral("DELETE FROM outbox WHERE id = ?")).bind(id).run();
    });
    return written
        || (writes_failing()
            && hold(id, QStringLiteral("attempts = attempts + 1, last_status = ?, reason = ?, claim_until = NULL, "
                                       "fate = 'dead', died = ?"),
                    {status, text(reason), now_ms()}));
}
// Binds the service and account to every pair of placeholders.
int CloudOutbox::count(const QString &sql, const QString &service, const QString &account) const
{
    if (!m_open)
        return -1;
    Statement counted(*this, sql);
    for (int pair = 0; pair < sql.count(QLatin1Char('?')); pair += 2)
        counted.bind(text(service)).bind(text(account));
    if (!counted.run() || !counted.query().next())
        return -1;
    return counted.query().value(0).toInt();
}
int CloudOutbox::pending(const QString &service, const QString &account) const
{
    return count(QStringLiteral("SELECT COUNT(*) FROM outbox AS o WHERE service = ? AND account = ? AND NOT EXISTS "
                                "(SELECT 1 FROM temp.unwritten AS u WHERE u.id = o.id AND u.fate IS NOT NULL)"),
                 service, account);
}
int CloudOutbox::dead(const QString &service, const QString &account) const
{
    return count(QStringLiteral("SELECT (SELECT COUNT(*) FROM dead_letters WHERE service = ? AND account = ?) + "
                                "(SELECT COUNT(*) FROM outbox AS o JOIN temp.unwritten AS u ON u.id = o.id WHERE "
                                "o.service = ? AND o.account = ? AND u.fate = 'dead')"),
                 service, account);
}
QList<CloudOutbox::Entry> CloudOutbox::select_entries(const QString &table, int limit, qint64 after_id) const
{
    QList<Entry> entries;
    if (!m_open)
        return entries;
    const bool dead = table == QLatin1String("dead_letters");
    Statement rows(*this, QStringLiteral("SELECT %1%2 FROM %3 WHERE id > ? ORDER BY id LIMIT ?")
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
        Statement revived(*this, QStringLiteral(
            "INSERT INTO outbox (service, account, resource, verb, body, replaces, key, created, reason) SELECT "
            "CASE WHEN ? = '' THEN service ELSE ? END, account, resource, verb, body, replaces, key, ?, reason "
            "FROM dead_letters WHERE id = ? AND (service != '' OR ? != '')"));
        return revived.bind(text(service)).bind(text(service)).bind(now_ms()).bind(id).bind(text(service)).run()
            && revived.query().numRowsAffected() == 1
            && Statement(*this, QStringLiteral("DELETE FROM dead_letters WHERE id = ?")).bind(id).run();
    });
}

bool CloudOutbox::purge(qint64 id)
{
    Statement purged(*this, QStringLiteral("DELETE FROM dead_letters WHERE id = ?"));
    return m_open && purged.bind(id).run() && purged.query().numRowsAffected() == 1;
}

#pragma once

#include "cloud_outbox_faults_p.h"
#include "vxplatform_export.h"

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QVariant>

#include <functional>

// Requests the cloud must receive even if it cannot be reached now, kept in
// a SQLite database so that they survive a restart, a crash or a kill of the
// host. Every entry belongs to the service (and account) it was recorded
// for. An entry being sent is claimed with a lease, so processes sharing the
// file never send it at once; it leaves only when it was delivered, or for
// the dead letters with the reason why. Every SQL error shows in the result
// of the call that met it and is logged (see OutboxFaults).
//
// When the file stops taking writes, entries already kept still go: their
// claims, failed attempts, deliveries and deaths are held in memory (a
// temporary table), hidden from what is claimed and counted, and written
// with the next write the file takes.
class VXPLATFORM_EXPORT CloudOutbox
{
public:
    struct Entry
    {
        qint64 id = 0;
        QString service; // base address, without user information
        QString account;
        QString resource;
        QByteArray verb;
        QByteArray body;  // JSON text
        QString replaces; // a newer entry with the same text replaces this one
        QByteArray key;   // idempotency key, the same for every attempt
        int attempts = 0;
        qint64 created_ms = 0;
        int last_status = 0;
        QString reason;     // why the last attempt failed, or why the entry died
        qint64 died_ms = 0; // dead letters only
    };

    // A file that is not a database, or a damaged one, is moved aside
    // (renamed with the time) and a fresh one is made.
    explicit CloudOutbox(const QString &database_file);
    ~CloudOutbox();

    // Entries held in memory while the file takes no writes; more wait in it.
    static constexpr int kMaxUnwritten = 10000;

    bool is_open() const { return m_open; }
    QString error() const { return m_error; }
    // The file takes no writes now: what changes is held in memory.
    bool writes_failing() const { return m_faults.failing(); }
    // Changes held in memory, to be written.
    bool has_unwritten() const { return m_has_unwritten; }

    // Stores a new entry and drops the older ones it replaces that nobody
    // is sending; its id, or 0 when it could not be stored.
    qint64 add(const Entry &entry);
    // Up to `limit` entries of the service that nobody is sending, oldest
    // first and at most one per replacement text, claimed for `lease_ms`.
    // Entries replaced by a newer one are dropped here. While the file takes
    // no writes the claim is held in memory, seen by this process only.
    QList<Entry> claim(const QString &service, const QString &account, int limit, qint64 lease_ms);
    // Delivered; false when it was gone already.
    bool remove(qint64 id);
    // A failed attempt: counted, and the entry is free for the next claim.
    bool release(qint64 id, int status, const QString &reason);
    // To the dead letters, with the reason.
    bool bury(qint64 id, int status, const QString &reason);

    // Waiting entries of a service, or -1 when they cannot be counted.
    int pending(const QString &service, const QString &account) const;
    int dead(const QString &service, const QString &account) const;

    // For an operator, every service's entries, a page at a time by id.
    QList<Entry> waiting_entries(int limit, qint64 after_id = 0) const;
    QList<Entry> dead_letters(int limit, qint64 after_id = 0) const;
    // A dead letter waits again, its attempts and age started over; a
    // non-empty `service` replaces the one it was recorded for.
    bool revive(qint64 id, const QString &service = QString());
    // A dead letter is deleted for good.
    bool purge(qint64 id);

private:
    friend class CloudOutboxStatement;

    bool open(const QString &database_file);
    bool create_tables();
    bool retire_unaddressed_entries();
    void set_aside(const QString &database_file, const QString &why);
    // Runs the work as one write transaction, which other processes wait
    // for; everything or nothing of it is kept.
    bool transaction(const std::function<bool()> &work);
    // The same for a change held in memory while the file takes no writes.
    bool in_memory(const std::function<bool()> &work);
    bool write_unwritten();
    bool hold(qint64 id, const QString &change, const QVariantList &values);
    qint64 total_changes() const;
    bool select_due(const QString &service, const QString &account, int limit, qint64 now, QList<Entry> &due);
    void free_claims_of_dead_processes(qint64 now_ms);
    QList<Entry> select_entries(const QString &table, int limit, qint64 after_id) const;
    int count(const QString &sql, const QString &service, const QString &account) const;

    QString m_connection;
    QByteArray m_owner; // who claims: this process and this outbox
    bool m_open = false;
    bool m_has_unwritten = false;
    QString m_error;
    mutable OutboxFaults m_faults; // reads meet them too
};

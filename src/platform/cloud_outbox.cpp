#include "cloud_outbox.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QUuid>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>

CloudOutbox::CloudOutbox(const QString &database_file)
    : m_connection(QStringLiteral("vx-outbox-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    QDir().mkpath(QFileInfo(database_file).absolutePath());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(database_file);
    if (!db.open()) {
        m_error = db.lastError().text();
        return;
    }
    QSqlQuery query(db);
    // Another process may hold the file for a moment: wait rather than fail.
    query.exec(QStringLiteral("PRAGMA busy_timeout = 2000"));
    m_open = query.exec(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS outbox (id INTEGER PRIMARY KEY AUTOINCREMENT, resource TEXT NOT NULL, "
        "verb TEXT NOT NULL, body TEXT NOT NULL, attempts INTEGER NOT NULL DEFAULT 0)"));
    if (!m_open)
        m_error = query.lastError().text();
}

CloudOutbox::~CloudOutbox()
{
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

qint64 CloudOutbox::add(const QString &resource, const QByteArray &verb, const QJsonObject &body)
{
    if (!m_open)
        return 0;
    QSqlQuery query(QSqlDatabase::database(m_connection));
    query.prepare(QStringLiteral("INSERT INTO outbox (resource, verb, body) VALUES (?, ?, ?)"));
    query.addBindValue(resource);
    query.addBindValue(QString::fromLatin1(verb));
    query.addBindValue(QString::fromUtf8(QJsonDocument(body).toJson(QJsonDocument::Compact)));
    if (!query.exec()) {
        m_error = query.lastError().text();
        return 0;
    }
    return query.lastInsertId().toLongLong();
}

void CloudOutbox::remove(qint64 id)
{
    QSqlQuery query(QSqlDatabase::database(m_connection));
    query.prepare(QStringLiteral("DELETE FROM outbox WHERE id = ?"));
    query.addBindValue(id);
    query.exec();
}

void CloudOutbox::count_attempt(qint64 id)
{
    QSqlQuery query(QSqlDatabase::database(m_connection));
    query.prepare(QStringLiteral("UPDATE outbox SET attempts = attempts + 1 WHERE id = ?"));
    query.addBindValue(id);
    query.exec();
}

QList<CloudOutbox::Entry> CloudOutbox::entries() const
{
    QList<Entry> list;
    if (!m_open)
        return list;
    QSqlQuery query(QSqlDatabase::database(m_connection));
    query.exec(QStringLiteral("SELECT id, resource, verb, body, attempts FROM outbox ORDER BY id"));
    while (query.next()) {
        Entry entry;
        entry.id = query.value(0).toLongLong();
        entry.resource = query.value(1).toString();
        entry.verb = query.value(2).toString().toLatin1();
        entry.body = QJsonDocument::fromJson(query.value(3).toString().toUtf8()).object();
        entry.attempts = query.value(4).toInt();
        list << entry;
    }
    return list;
}

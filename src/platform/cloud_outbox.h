#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QJsonObject>
#include <QtCore/QList>
#include <QtCore/QString>

// Requests the cloud must receive even if it is unreachable now, kept in a
// SQLite database so they survive a restart of the host.
class CloudOutbox
{
public:
    struct Entry
    {
        qint64 id = 0;
        QString resource;
        QByteArray verb;
        QJsonObject body;
        int attempts = 0;
    };

    explicit CloudOutbox(const QString &database_file);
    ~CloudOutbox();

    bool is_open() const { return m_open; }
    QString error() const { return m_error; }

    // The new entry's id, or 0 when it could not be stored.
    qint64 add(const QString &resource, const QByteArray &verb, const QJsonObject &body);
    void remove(qint64 id);
    void count_attempt(qint64 id);
    // Every stored entry, oldest first.
    QList<Entry> entries() const;

private:
    QString m_connection;
    bool m_open = false;
    QString m_error;
};

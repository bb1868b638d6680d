#pragma once

#include "cloud_outbox_p.h"

#include <QtCore/QHash>
#include <QtCore/QLoggingCategory>
#include <QtCore/QObject>
#include <QtCore/QTimer>

#include <functional>
#include <memory>

class QNetworkReply;

Q_DECLARE_LOGGING_CATEGORY(lcCloudClient)

// Delivers the outbox entries of one service and account: a few at a time,
// oldest first, every attempt of an entry with the same idempotency key.
// Only a 2xx answer delivers, and one that comes after the request timeout
// still counts. No answer, 3xx, 401, 403, 408, 429 and 5xx are tried again
// after growing pauses (Retry-After is respected; after a 401 only once the
// token changed); any other answer, too many attempts or too great an age
// move the entry to the dead letters. Entries the outbox cannot keep are
// delivered from memory, and kept once it takes writes again; while its
// file takes no writes, what it kept goes all the same.
class CloudDelivery : public QObject
{
    Q_OBJECT

public:
    // Sends one attempt of an entry; null when it cannot be sent.
    using Sender = std::function<QNetworkReply *(const CloudOutbox::Entry &)>;

    static constexpr int kMaxInFlight = 4; // below the six connections Qt opens to one host
    static constexpr int kDefaultMaxAttempts = 100;
    static constexpr qint64 kDefaultMaxAgeMs = 7LL * 24 * 3600 * 1000;
    static constexpr int kMaxUnkept = 10000;

    CloudDelivery(const QString &outbox_file, Sender sender);
    ~CloudDelivery() override;

    void set_owner(const QString &service, const QString &account);
    void set_request_timeout(int milliseconds) { m_timeout_ms = milliseconds; }
    void set_retry_delays(int first_ms, int longest_ms);
    void set_limits(int max_attempts, qint64 max_age_ms);
    // Deliveries that waited for a new token go on.
    void token_changed();
    // Sends what is due and there is room for.
    void deliver();
    // Before the network goes: attempts under way are given back, nothing
    // more is sent.
    void stop();

    // `replaces`: a newer entry with the same text replaces this one.
    void record(const QString &resource, const QByteArray &verb, const QByteArray &body, const QString &replaces);
    // This service's entries waiting (kept and in memory) and dead; -1 when
    // they cannot be counted.
    int pending() const;
    int dead() const;

signals:
    // An entry left: delivered (2xx), or moved to the dead letters.
    void left(const QString &resource, int http_status);

private:
    struct Attempt;

    void start(const CloudOutbox::Entry &entry);
    void on_timeout(Attempt *attempt);
    void on_finished(Attempt *attempt);
    void delivered(const CloudOutbox::Entry &entry, int status);
    void failed(const CloudOutbox::Entry &entry, int status, const QString &reason, qint64 retry_after_ms);
    void bury(const CloudOutbox::Entry &entry, int status, const QString &reason);
    void hold(qint64 milliseconds);
    void keep_unkept();
    CloudOutbox::Entry *unkept(qint64 id);
    // Removes entries held in memory; true when one was there.
    bool forget_unkept(const std::function<bool(const CloudOutbox::Entry &)> &which);

    std::unique_ptr<CloudOutbox> m_outbox;
    Sender m_sender;
    QString m_service;
    QString m_account;
    QList<CloudOutbox::Entry> m_unkept; // the outbox could not store them
    qint64 m_next_unkept_id = -1;
    QHash<QNetworkReply *, Attempt *> m_attempts;
    QTimer m_hold; // pauses every attempt: the service failed or asked for a pause
    int m_timeout_ms = 15000;
    int m_first_retry_ms = 1000;
    int m_longest_retry_ms = 5 * 60 * 1000;
    int m_next_retry_ms = 1000;
    int m_max_attempts = kDefaultMaxAttempts;
    qint64 m_max_age_ms = kDefaultMaxAgeMs;
    bool m_waiting_for_token = false;
    bool m_stopped = false;
};

#pragma once

#include "vxplatform_export.h"

#include <QtCore/QByteArray>
#include <QtCore/QJsonObject>
#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QUrl>

#include <functional>
#include <memory>

class CloudDelivery;
class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

// Client of the maker's cloud service, owned by the host. A request names
// a resource under the service's base address, a verb and a JSON body.
//
// With a completion, the completion is called once with the finished reply
// (still readable, owned by the client; its body kept up to kMaxAnswerBytes)
// and whether the service answered at all. Without one, nobody looks at the
// answer, so the client makes sure it is delivered, at least once: the
// request waits in an outbox on disk until the service answers 2xx, and
// every attempt carries the same Idempotency-Key header, by which a service
// recognises a repeat. See CloudDelivery for what is retried and when an
// entry goes to the dead letters.
class VXPLATFORM_EXPORT MorvoCloud : public QObject
{
    Q_OBJECT

public:
    using Completion = std::function<void(QNetworkReply *, bool)>;

    // The longest answer body kept for a completion; a longer answer is cut
    // off there and ends the request.
    static constexpr qint64 kMaxAnswerBytes = 1 << 20;

    // An empty outbox file means "cloud-outbox.sqlite" in the user's
    // application-data folder.
    explicit MorvoCloud(const QUrl &service = QUrl(), const QUrl &websocket = QUrl(),
                        const QString &outbox_file = QString(), QObject *parent = nullptr);
    ~MorvoCloud() override;

    // After the service asked for authorisation (401), deliveries wait for
    // a new token.
    void setBearerToken(const QByteArray &token);
    // The account requests are recorded under: the user name of the service
    // address unless set. A client delivers only the entries of its own
    // service address and account.
    void setAccount(const QString &account);
    // An attempt the service leaves unanswered for this long counts as failed.
    void setRequestTimeout(int milliseconds);
    // Pauses between delivery attempts: doubling from the first, up to the last.
    void setRetryDelays(int first_ms, int longest_ms);
    // An entry goes to the dead letters after this many failed attempts or
    // once it is this old (defaults: 100 attempts, 7 days).
    void setDeliveryLimits(int max_attempts, qint64 max_age_ms);
    // This service's requests waiting in the outbox, and dead there; -1
    // when they cannot be counted.
    int pendingDeliveries() const;
    int deadDeliveries() const;

    virtual void customRequest(const QString &resource, QByteArray verb, QJsonObject body,
                               Completion callback);
    // The base address of the cloud's WebSocket service.
    QString ws() const;

signals:
    // A request from the outbox left it: delivered (2xx) or moved to the
    // dead letters.
    void delivered(const QString &resource, int http_status);

private:
    QNetworkRequest request_for(const QString &resource) const;
    void send(const QString &resource, const QByteArray &verb, const QByteArray &payload, Completion done);
    QString service_address() const;

    QUrl m_service;
    QUrl m_websocket;
    QByteArray m_token;
    QString m_account;
    int m_timeout_ms = 15000;
    QNetworkAccessManager *m_network = nullptr;
    std::unique_ptr<CloudDelivery> m_delivery;
};

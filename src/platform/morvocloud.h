#pragma once

#include "vxplatform_export.h"

#include <QtCore/QByteArray>
#include <QtCore/QJsonObject>
#include <QtCore/QObject>
#include <QtCore/QSet>
#include <QtCore/QString>
#include <QtCore/QUrl>

#include <functional>
#include <memory>

class CloudOutbox;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// Client of the maker's cloud service, owned by the host. A request names
// a resource under the service's base address, a verb and a JSON body.
//
// With a completion, the completion is called once with the finished reply
// (still readable, owned by the client) and whether the service answered
// at all. Without one, nobody looks at the answer, so the client makes sure
// it is delivered: the request waits in an outbox on disk and is retried,
// with growing pauses, while the service is unreachable or answers 5xx, and
// after a restart; a 4xx answer drops it with a logged reason.
class VXPLATFORM_EXPORT MorvoCloud : public QObject
{
    Q_OBJECT

public:
    using Completion = std::function<void(QNetworkReply *, bool)>;

    // An empty outbox file means "cloud-outbox.sqlite" in the user's
    // application-data folder.
    explicit MorvoCloud(const QUrl &service = QUrl(), const QUrl &websocket = QUrl(),
                        const QString &outbox_file = QString(), QObject *parent = nullptr);
    ~MorvoCloud() override;

    void setBearerToken(const QByteArray &token) { m_token = token; }
    // A request the service leaves unanswered for this long is given up.
    void setRequestTimeout(int milliseconds) { m_timeout_ms = milliseconds; }
    // Pauses between delivery attempts: doubling from the first, up to the last.
    void setRetryDelays(int first_ms, int longest_ms);
    // Requests waiting in the outbox.
    int pendingDeliveries() const;

    virtual void customRequest(const QString &resource, QByteArray verb, QJsonObject body,
                               Completion callback);
    // The base address of the cloud's WebSocket service.
    QString ws() const;

signals:
    // A request from the outbox was answered and left it (delivered or refused).
    void delivered(const QString &resource, int http_status);

private:
    void send(const QString &resource, const QByteArray &verb, const QJsonObject &body, Completion done);
    void deliver_pending();
    void on_delivery(qint64 id, QNetworkReply *reply, bool answered);

    QUrl m_service;
    QUrl m_websocket;
    QByteArray m_token;
    int m_timeout_ms = 15000;
    int m_first_retry_ms = 1000;
    int m_longest_retry_ms = 5 * 60 * 1000;
    int m_next_retry_ms = 1000;
    QNetworkAccessManager *m_network = nullptr;
    std::unique_ptr<CloudOutbox> m_outbox;
    QSet<qint64> m_in_flight;
    QTimer *m_retry = nullptr;
};

#include "morvocloud.h"

#include "cloud_delivery_p.h"

#include <QtCore/QJsonDocument>
#include <QtCore/QStandardPaths>
#include <QtCore/QTimer>
#include <QtNetwork/QNetworkAccessManager>
#include <QtNetwork/QNetworkReply>
#include <QtNetwork/QNetworkRequest>

Q_LOGGING_CATEGORY(lcCloudClient, "vx.cloud.client", QtInfoMsg)

namespace {

QString default_outbox_file()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/cloud-outbox.sqlite");
}

// An update of one object replaces an earlier one still waiting: it is
// known by the verb, the resource and the object's code (or id).
QString replacement_key(const QString &resource, const QByteArray &verb, const QJsonObject &body)
{
    if (verb != "PUT")
        return QString();
    const QJsonValue code = body.value(QStringLiteral("code"));
    const QJsonValue object = code.isUndefined() ? body.value(QStringLiteral("id")) : code;
    return QStringLiteral("PUT %1 %2").arg(resource, object.toVariant().toString());
}

} // namespace

MorvoCloud::MorvoCloud(const QUrl &service, const QUrl &websocket, const QString &outbox_file,
                       QObject *parent)
    : QObject(parent)
    , m_service(service)
    , m_websocket(websocket)
    , m_account(service.userName())
    , m_network(new QNetworkAccessManager(this))
{
    // Moved resources on the same host are followed; anywhere else is not.
    m_network->setRedirectPolicy(QNetworkRequest::SameOriginRedirectPolicy);
    m_delivery.reset(new CloudDelivery(outbox_file.isEmpty() ? default_outbox_file() : outbox_file,
                                       [this](const CloudOutbox::Entry &entry) -> QNetworkReply * {
                                           if (!m_network)
                                               return nullptr;
                                           QNetworkRequest request = request_for(entry.resource);
                                           request.setRawHeader("Idempotency-Key", entry.key);
                                           return m_network->sendCustomRequest(request, entry.verb, entry.body);
                                       }));
    m_delivery->set_owner(service_address(), m_account);
    connect(m_delivery.get(), &CloudDelivery::left, this, &MorvoCloud::delivered);
    // What an earlier run could not deliver goes out once the event loop runs.
    QTimer::singleShot(0, m_delivery.get(), &CloudDelivery::deliver);
}

// Attempts under way are given back to the outbox before the network goes.
MorvoCloud::~MorvoCloud()
{
    m_delivery->stop();
    delete m_network;
    m_network = nullptr;
}

// The service as entries record it: no user information, one trailing "/".
QString MorvoCloud::service_address() const
{
    QString address = m_service.toString(QUrl::RemoveUserInfo);
    if (!address.endsWith(QLatin1Char('/')))
        address += QLatin1Char('/');
    return address;
}

void MorvoCloud::setBearerToken(const QByteArray &token)
{
    const bool changed = token != m_token;
    m_token = token;
    if (changed && !token.isEmpty())
        m_delivery->token_changed();
}

void MorvoCloud::setAccount(const QString &account)
{
    m_account = account;
    m_delivery->set_owner(service_address(), m_account);
}

void MorvoCloud::setRequestTimeout(int milliseconds)
{
    m_timeout_ms = milliseconds;
    m_delivery->set_request_timeout(milliseconds);
}

void MorvoCloud::setRetryDelays(int first_ms, int longest_ms)
{
    m_delivery->set_retry_delays(first_ms, longest_ms);
}

void MorvoCloud::setDeliveryLimits(int max_attempts, qint64 max_age_ms)
{
    m_delivery->set_limits(max_attempts, max_age_ms);
}

int MorvoCloud::pendingDeliveries() const
{
    return m_delivery->pending();
}

int MorvoCloud::deadDeliveries() const
{
    return m_delivery->dead();
}

void MorvoCloud::customRequest(const QString &resource, QByteArray verb, QJsonObject body,
                               Completion callback)
{
    const QByteArray payload = QJsonDocument(body).toJson(QJsonDocument::Compact);
    if (callback)
        send(resource, verb, payload, callback);
    else
        m_delivery->record(resource, verb, payload, replacement_key(resource, verb, body));
}

QNetworkRequest MorvoCloud::request_for(const QString &resource) const
{
    QString address = m_service.toString();
    if (!address.endsWith(QLatin1Char('/')))
        address += QLatin1Char('/');
    QNetworkRequest request(QUrl(address + resource));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    if (!m_token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + m_token);
    qCDebug(lcCloudClient) << "request to" << request.url().toString(QUrl::RemoveUserInfo);
    return request;
}

// A request somebody waits for: answered once, never kept.
void MorvoCloud::send(const QString &resource, const QByteArray &verb, const QByteArray &payload, Completion done)
{
    if (!m_network)
        return;
    QNetworkReply *reply = m_network->sendCustomRequest(request_for(resource), verb, payload);
    reply->setReadBufferSize(kMaxAnswerBytes);
    auto *timeout = new QTimer(reply);
    timeout->setSingleShot(true);
    connect(timeout, &QTimer::timeout, reply, &QNetworkReply::abort);
    timeout->start(m_timeout_ms);
    connect(reply, &QNetworkReply::readyRead, reply, [reply] {
        if (reply->bytesAvailable() >= kMaxAnswerBytes && !reply->isFinished()) {
            qCWarning(lcCloudClient) << "answer from" << reply->url().toString(QUrl::RemoveUserInfo)
                                     << "longer than" << kMaxAnswerBytes << "bytes: cut off";
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [reply, done] {
        const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
        if (!answered)
            qCDebug(lcCloudClient) << "no answer:" << reply->errorString();
        if (done)
            done(reply, answered);
        reply->deleteLater();
    });
}

QString MorvoCloud::ws() const
{
    return m_websocket.toString();
}

#include "morvocloud.h"

#include "cloud_outbox.h"

#include <QtCore/QJsonDocument>
#include <QtCore/QLoggingCategory>
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

int status_of(QNetworkReply *reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

} // namespace

MorvoCloud::MorvoCloud(const QUrl &service, const QUrl &websocket, const QString &outbox_file,
                       QObject *parent)
    : QObject(parent)
    , m_service(service)
    , m_websocket(websocket)
    , m_network(new QNetworkAccessManager(this))
    , m_outbox(new CloudOutbox(outbox_file.isEmpty() ? default_outbox_file() : outbox_file))
    , m_retry(new QTimer(this))
{
    if (!m_outbox->is_open())
        qCWarning(lcCloudClient) << "outbox unavailable, deliveries are not kept:" << m_outbox->error();
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &MorvoCloud::deliver_pending);
    // What an earlier run could not deliver goes out once the event loop runs.
    QTimer::singleShot(0, this, &MorvoCloud::deliver_pending);
}

// Replies still in flight finish here, while the outbox is still there.
MorvoCloud::~MorvoCloud()
{
    delete m_network;
    m_network = nullptr;
}

void MorvoCloud::setRetryDelays(int first_ms, int longest_ms)
{
    m_first_retry_ms = m_next_retry_ms = first_ms;
    m_longest_retry_ms = longest_ms;
}

int MorvoCloud::pendingDeliveries() const
{
    return m_outbox->entries().size();
}

void MorvoCloud::customRequest(const QString &resource, QByteArray verb, QJsonObject body,
                               Completion callback)
{
    if (callback || !m_outbox->is_open()) {
        send(resource, verb, body, callback);
        return;
    }
    const qint64 id = m_outbox->add(resource, verb, body);
    if (id == 0) { // could not be kept: try once all the same
        send(resource, verb, body, Completion());
        return;
    }
    m_in_flight.insert(id);
    send(resource, verb, body, [this, id](QNetworkReply *reply, bool answered) {
        on_delivery(id, reply, answered);
    });
}

void MorvoCloud::send(const QString &resource, const QByteArray &verb, const QJsonObject &body,
                      Completion done)
{
    if (!m_network)
        return;
    QString address = m_service.toString();
    if (!address.endsWith(QLatin1Char('/')))
        address += QLatin1Char('/');
    QNetworkRequest request(QUrl(address + resource));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    if (!m_token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + m_token);
    request.setTransferTimeout(m_timeout_ms);

    const QByteArray payload = QJsonDocument(body).toJson(QJsonDocument::Compact);
    qCDebug(lcCloudClient) << verb << request.url().toString() << payload;
    QNetworkReply *reply = m_network->sendCustomRequest(request, verb, payload);
    connect(reply, &QNetworkReply::finished, this, [reply, done] {
        const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
        if (!answered)
            qCDebug(lcCloudClient) << "no answer:" << reply->errorString();
        if (done)
            done(reply, answered);
        reply->deleteLater();
    });
}

void MorvoCloud::on_delivery(qint64 id, QNetworkReply *reply, bool answered)
{
    m_in_flight.remove(id);
    const int status = status_of(reply);
    if (answered && status < 500) {
        if (status >= 400)
            qCWarning(lcCloudClient) << "the cloud refused" << reply->request().url().path() << status
                                     << reply->readAll() << "- dropped";
        m_outbox->remove(id);
        m_next_retry_ms = m_first_retry_ms;
        emit delivered(reply->request().url().path().section(QLatin1Char('/'), -1), status);
        if (m_retry->isActive()) { // the service is back: what waits goes now
            m_retry->stop();
            deliver_pending();
        }
        return;
    }
    m_outbox->count_attempt(id);
    if (!m_retry->isActive()) {
        m_retry->start(m_next_retry_ms);
        m_next_retry_ms = qMin(m_next_retry_ms * 2, m_longest_retry_ms);
    }
}

void MorvoCloud::deliver_pending()
{
    const QList<CloudOutbox::Entry> entries = m_outbox->entries();
    for (const CloudOutbox::Entry &entry : entries) {
        if (m_in_flight.contains(entry.id))
            continue;
        m_in_flight.insert(entry.id);
        const qint64 id = entry.id;
        send(entry.resource, entry.verb, entry.body, [this, id](QNetworkReply *reply, bool answered) {
            on_delivery(id, reply, answered);
        });
    }
}

QString MorvoCloud::ws() const
{
    return m_websocket.toString();
}

#include "cloud_service.h"

#include "quick_ack.h"

#include <QtCore/QJsonDocument>
#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtNetwork/QTcpSocket>
#include <QtWebSockets/QWebSocket>

CloudService::CloudService(quint16 http_port)
{
    m_clock.start();
    m_http.listen(QHostAddress::LocalHost, http_port);
    connect(&m_http, &QTcpServer::newConnection, this, &CloudService::on_http_connection);
    m_websocket.listen(QHostAddress::LocalHost);
    connect(&m_websocket, &QWebSocketServer::newConnection, this, [this] {
        while (QWebSocket *channel = m_websocket.nextPendingConnection()) {
            m_channels << channel;
            channel_paths << channel->requestUrl().path();
            connect(channel, &QWebSocket::textMessageReceived, this, [this](const QString &text) {
                channel_texts << text;
                emit channelText();
            });
            connect(channel, &QWebSocket::disconnected, this, [this, channel] {
                m_channels.removeAll(channel);
                channel->deleteLater();
            });
        }
    });
}

// Sockets still open are deleted with their servers; they must not call
// back into a service that is half gone.
CloudService::~CloudService()
{
    for (QObject *socket : m_http.findChildren<QTcpSocket *>())
        socket->disconnect(this);
    for (QWebSocket *channel : qAsConst(m_channels))
        channel->disconnect(this);
    qDeleteAll(m_channels);
}

QUrl CloudService::http_base() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/api/").arg(m_http.serverPort()));
}

QUrl CloudService::websocket_base() const
{
    return QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(m_websocket.serverPort()));
}

void CloudService::send_to_channels(const QString &text)
{
    for (QWebSocket *channel : qAsConst(m_channels))
        channel->sendTextMessage(text);
}

void CloudService::close_channels()
{
    for (QWebSocket *channel : qAsConst(m_channels))
        channel->close();
}

int CloudService::count(const QByteArray &verb, const QString &resource) const
{
    int n = 0;
    for (const Request &r : requests)
        n += r.verb == verb && r.resource == resource;
    return n;
}

void CloudService::on_http_connection()
{
    while (QTcpSocket *socket = m_http.nextPendingConnection()) {
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { feed_body(socket); });
    }
}

// One request per read cycle: the request line, headers up to the blank
// line, then Content-Length bytes of body. Keep-alive is honoured.
void CloudService::serve(QTcpSocket *socket)
{
    acknowledge_at_once(socket);
    QByteArray buffer = socket->property("pending").toByteArray() + socket->readAll();
    for (;;) {
        const int header_end = buffer.indexOf("\r\n\r\n");
        if (header_end < 0)
            break;
        const QList<QByteArray> lines = buffer.left(header_end).split('\n');
        int length = 0;
        QByteArray authorization;
        QByteArray key;
        for (const QByteArray &line : lines) {
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toInt();
            else if (line.toLower().startsWith("authorization:"))
                authorization = line.mid(14).trimmed();
            else if (line.toLower().startsWith("idempotency-key:"))
                key = line.mid(16).trimmed();
        }
        if (buffer.size() < header_end + 4 + length)
            break;
        const QList<QByteArray> request_line = lines.first().trimmed().split(' ');
        Request request;
        request.verb = request_line.value(0);
        request.path = request_line.value(1);
        request.resource = QString::fromUtf8(request_line.value(1)).section(QLatin1Char('/'), -1);
        request.body = QJsonDocument::fromJson(buffer.mid(header_end + 4, length)).object();
        request.authorization = authorization;
        request.idempotency_key = key;
        buffer.remove(0, header_end + 4 + length);
        request.received_ms = m_clock.elapsed();
        requests << request;
        max_open_requests = qMax(max_open_requests, ++m_open_requests);
        const Answer scripted = m_script.isEmpty() ? Answer() : m_script.takeFirst();
        const QPointer<QTcpSocket> alive(socket);
        const auto respond = [this, alive, request, scripted] {
            --m_open_requests;
            if (!alive)
                return;
            if (scripted.status == 0)
                alive->abort();
            else if (scripted.status != 200 || scripted.body_bytes >= 0)
                reply_with(alive, scripted.status, "{}", scripted);
            else
                answer(alive, request);
            emit requestHandled();
        };
        if (scripted.delay_ms > 0)
            QTimer::singleShot(scripted.delay_ms, this, respond);
        else
            respond();
    }
    socket->setProperty("pending", buffer);
}

void CloudService::answer(QTcpSocket *socket, const Request &request)
{
    // A service in trouble stores nothing.
    switch (m_behaviour) {
    case Behaviour::ServerError:
        reply_with(socket, 500, "{\"error\":\"unavailable\"}", Answer());
        return;
    case Behaviour::CloseWithoutAnswer:
        socket->abort();
        return;
    case Behaviour::Silent:
        return;
    case Behaviour::Normal:
    case Behaviour::NotJson:
        break;
    }

    int status = 200;
    QJsonObject reply;
    const QString code = request.body.value(QStringLiteral("code")).toString();
    if (request.resource == QLatin1String("device") && request.verb == "GET") {
        if (m_devices.contains(code))
            reply = {{QStringLiteral("id"), m_devices.value(code)}, {QStringLiteral("code"), code}};
        else
            status = 404;
    } else if (request.resource == QLatin1String("device") && request.verb == "PUT") {
        device_store.insert(code, request.body);
    } else if (request.resource == QLatin1String("device_model") && request.verb == "PATCH") {
        const int number = request.body.value(QStringLiteral("code")).toInt();
        if (m_models.contains(number))
            reply = {{QStringLiteral("id"), m_models.value(number)}};
        else
            status = 404;
    } else if (request.resource == QLatin1String("device_model") && request.verb == "POST") {
        const int id = m_next_id++;
        m_devices.insert(code, id);
        device_store.insert(code, request.body);
        reply = {{QStringLiteral("id"), id}};
    } else if (request.resource == QLatin1String("device_work_records") && request.verb == "POST") {
        if (request.idempotency_key.isEmpty() || !m_stored_keys.contains(request.idempotency_key))
            work_records << request.body;
        m_stored_keys.insert(request.idempotency_key);
        reply = {{QStringLiteral("id"), work_records.size()}};
    } else {
        status = 404;
    }

    const QByteArray body = m_behaviour == Behaviour::NotJson ? QByteArray("<html>maintenance</html>")
                                                              : QJsonDocument(reply).toJson(QJsonDocument::Compact);
    reply_with(socket, status, body, Answer());
}

void CloudService::reply_with(QTcpSocket *socket, int status, const QByteArray &body, const Answer &extra)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Error")
                      + "\r\nContent-Type: application/json\r\n";
    if (!extra.retry_after.isEmpty())
        head += "Retry-After: " + extra.retry_after + "\r\n";
    if (!extra.location.isEmpty())
        head += "Location: " + extra.location + "\r\n";
    const qint64 length = extra.body_bytes >= 0 ? extra.body_bytes : body.size();
    head += "Content-Length: " + QByteArray::number(length) + "\r\n\r\n";
    if (extra.body_bytes >= 0) {
        socket->write(head);
        send_body(socket, extra.body_bytes);
    } else {
        socket->write(head + body); // one write: no wait for an acknowledgement in between
    }
}

// A large body goes out a piece at a time, as the peer takes it, so the
// service itself holds little of it.
void CloudService::send_body(QTcpSocket *socket, qint64 bytes)
{
    socket->setProperty("body_rest", bytes);
    feed_body(socket);
}

void CloudService::feed_body(QTcpSocket *socket)
{
    constexpr qint64 kPiece = 256 * 1024;
    const qint64 rest = socket->property("body_rest").toLongLong();
    if (rest <= 0 || socket->bytesToWrite() > 0)
        return;
    const qint64 piece = qMin(rest, kPiece);
    socket->setProperty("body_rest", rest - piece);
    socket->write(QByteArray(int(piece), 'x'));
}

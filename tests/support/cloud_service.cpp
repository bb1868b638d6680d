#include "cloud_service.h"

#include <QtCore/QJsonDocument>
#include <QtNetwork/QTcpSocket>
#include <QtWebSockets/QWebSocket>

CloudService::CloudService(quint16 http_port)
{
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
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
    }
}

// One request per read cycle: the request line, headers up to the blank
// line, then Content-Length bytes of body. Keep-alive is honoured.
void CloudService::serve(QTcpSocket *socket)
{
    QByteArray buffer = socket->property("pending").toByteArray() + socket->readAll();
    for (;;) {
        const int header_end = buffer.indexOf("\r\n\r\n");
        if (header_end < 0)
            break;
        const QList<QByteArray> lines = buffer.left(header_end).split('\n');
        int length = 0;
        QByteArray authorization;
        for (const QByteArray &line : lines) {
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toInt();
            else if (line.toLower().startsWith("authorization:"))
                authorization = line.mid(14).trimmed();
        }
        if (buffer.size() < header_end + 4 + length)
            break;
        const QList<QByteArray> request_line = lines.first().trimmed().split(' ');
        Request request;
        request.verb = request_line.value(0);
        request.resource = QString::fromUtf8(request_line.value(1)).section(QLatin1Char('/'), -1);
        request.body = QJsonDocument::fromJson(buffer.mid(header_end + 4, length)).object();
        request.authorization = authorization;
        buffer.remove(0, header_end + 4 + length);
        requests << request;
        answer(socket, request);
        emit requestHandled();
    }
    socket->setProperty("pending", buffer);
}

void CloudService::answer(QTcpSocket *socket, const Request &request)
{
    // A service in trouble stores nothing.
    switch (m_behaviour) {
    case Behaviour::ServerError:
        reply_with(socket, 500, "{\"error\":\"unavailable\"}");
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
        work_records << request.body;
        reply = {{QStringLiteral("id"), work_records.size()}};
    } else {
        status = 404;
    }

    const QByteArray body = m_behaviour == Behaviour::NotJson ? QByteArray("<html>maintenance</html>")
                                                              : QJsonDocument(reply).toJson(QJsonDocument::Compact);
    reply_with(socket, status, body);
}

void CloudService::reply_with(QTcpSocket *socket, int status, const QByteArray &body)
{
    socket->write("HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Error")
                  + "\r\nContent-Type: application/json\r\nContent-Length: "
                  + QByteArray::number(body.size()) + "\r\n\r\n" + body);
}

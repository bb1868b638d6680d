#pragma once

#include <QtCore/QElapsedTimer>
#include <QtCore/QHash>
#include <QtCore/QJsonObject>
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QSet>
#include <QtNetwork/QTcpServer>
#include <QtWebSockets/QWebSocketServer>

class QTcpSocket;
class QWebSocket;

// A small cloud service on loopback: an HTTP server that keeps devices,
// models and work records, and a WebSocket server for device channels.
// It can be told to misbehave, to test how the driver copes.
class CloudService : public QObject
{
    Q_OBJECT

public:
    enum class Behaviour { Normal, ServerError, NotJson, CloseWithoutAnswer, Silent };

    struct Request
    {
        QByteArray verb;
        QByteArray path;
        QString resource;
        QJsonObject body;
        QByteArray authorization;
        QByteArray idempotency_key;
        qint64 received_ms = 0; // since the service started
    };

    // How one request is answered, for a script of answers.
    struct Answer
    {
        int status = 200;       // 0: the connection is closed without an answer
        int delay_ms = 0;       // before the answer
        QByteArray retry_after; // a Retry-After header
        QByteArray location;    // a Location header (redirects)
        qint64 body_bytes = -1; // a body of this many bytes instead of the usual one
    };

    // Port 0 picks a free port for the HTTP service.
    explicit CloudService(quint16 http_port = 0);
    ~CloudService() override;

    QUrl http_base() const;   // for MorvoCloud's service address
    QUrl websocket_base() const;
    quint16 http_port() const { return m_http.serverPort(); }

    void set_behaviour(Behaviour behaviour) { m_behaviour = behaviour; }
    // The next requests are answered so, one each, before the behaviour applies again.
    void script(const QList<Answer> &answers) { m_script = answers; }
    void add_device(const QString &code, int id) { m_devices.insert(code, id); }
    void add_model(int number, int id) { m_models.insert(number, id); }

    QList<Request> requests;
    QList<QJsonObject> work_records; // one per idempotency key, as a service honouring it keeps
    QHash<QString, QJsonObject> device_store; // by code, as last written
    QStringList channel_paths;                // request paths of WebSocket clients
    QStringList channel_texts;                // texts received on channels
    int max_open_requests = 0;                // most requests received and not yet answered at once

    void send_to_channels(const QString &text);
    void close_channels();
    int count(const QByteArray &verb, const QString &resource) const;

signals:
    void requestHandled();
    void channelText();

private:
    void on_http_connection();
    void serve(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const Request &request);
    void reply_with(QTcpSocket *socket, int status, const QByteArray &body, const Answer &extra);
    void send_body(QTcpSocket *socket, qint64 bytes);
    void feed_body(QTcpSocket *socket);

    QElapsedTimer m_clock;
    QTcpServer m_http;
    QWebSocketServer m_websocket{QStringLiteral("cloud"), QWebSocketServer::NonSecureMode};
    QList<QWebSocket *> m_channels;
    Behaviour m_behaviour = Behaviour::Normal;
    QList<Answer> m_script;
    int m_open_requests = 0;
    QHash<QString, int> m_devices;
    QHash<int, int> m_models;
    int m_next_id = 100;
    QSet<QByteArray> m_stored_keys;
};

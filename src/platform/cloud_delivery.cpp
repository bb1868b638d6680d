#include "cloud_delivery_p.h"

#include <QtCore/QDateTime>
#include <QtCore/QPointer>
#include <QtCore/QUuid>
#include <QtNetwork/QNetworkReply>

#include <algorithm>

namespace {

// What is read of a delivery's answer at a time, and kept for the log.
constexpr qint64 kAnswerChunk = 16 * 1024;
constexpr int kAnswerShown = 200;
// The longest pause a Retry-After may ask for.
constexpr qint64 kLongestRetryAfterMs = 3600 * 1000;

qint64 now_ms()
{
    return QDateTime::currentMSecsSinceEpoch();
}

bool is_retried(int status)
{
    return status == 401 || status == 403 || status == 408 || status == 429 || (status >= 300 && status < 400)
        || status >= 500;
}

// Retry-After in seconds or as an HTTP date; 0 when absent or unreadable.
qint64 retry_after_ms(const QNetworkReply *reply)
{
    const QByteArray value = reply->rawHeader("Retry-After").trimmed();
    if (value.isEmpty())
        return 0;
    bool number = false;
    qint64 ms = value.toLongLong(&number) * 1000;
    if (!number)
        ms = QDateTime::currentDateTimeUtc().msecsTo(QDateTime::fromString(QString::fromLatin1(value), Qt::RFC2822Date));
    return qBound<qint64>(0, ms, kLongestRetryAfterMs);
}

QString reason_for(const QNetworkReply *reply, int status, const QByteArray &answer)
{
    if (status == 0)
        return reply->errorString();
    if (status >= 300 && status < 400)
        return QStringLiteral("redirected to %1, not followed")
            .arg(reply->header(QNetworkRequest::LocationHeader).toUrl().toString(QUrl::RemoveUserInfo));
    return QStringLiteral("answered %1: %2").arg(status).arg(QString::fromUtf8(answer.left(kAnswerShown)));
}

} // namespace

struct CloudDelivery::Attempt
{
    CloudOutbox::Entry entry;
    QNetworkReply *reply = nullptr;
    QTimer timer;
    bool overdue = false; // counted as failed; a 2xx that still comes delivers
    QByteArray answer;    // its first bytes, for the log
};

CloudDelivery::CloudDelivery(const QString &outbox_file, Sender sender)
    : m_outbox(new CloudOutbox(outbox_file))
    , m_sender(std::move(sender))
{
    m_hold.setSingleShot(true);
    connect(&m_hold, &QTimer::timeout, this, &CloudDelivery::deliver);
}

CloudDelivery::~CloudDelivery()
{
    stop();
}

void CloudDelivery::set_owner(const QString &service, const QString &account)
{
    m_service = service;
    m_account = account;
}

void CloudDelivery::set_retry_delays(int first_ms, int longest_ms)
{
    m_first_retry_ms = m_next_retry_ms = first_ms;
    m_longest_retry_ms = longest_ms;
}

void CloudDelivery::set_limits(int max_attempts, qint64 max_age_ms)
{
    m_max_attempts = max_attempts;
    m_max_age_ms = max_age_ms;
}

void CloudDelivery::token_changed()
{
    if (!m_waiting_for_token)
        return;
    m_waiting_for_token = false;
    deliver();
}

void CloudDelivery::stop()
{
    m_stopped = true;
    m_hold.stop();
    for (Attempt *attempt : qAsConst(m_attempts)) {
        attempt->reply->disconnect(this);
        if (!attempt->overdue && attempt->entry.id > 0)
            m_outbox->release(attempt->entry.id, 0, QStringLiteral("the client was closed"));
        attempt->reply->abort();
        attempt->reply->deleteLater();
        delete attempt;
    }
    m_attempts.clear();
}

void CloudDelivery::record(const QString &resource, const QByteArray &verb, const QByteArray &body,
                           const QString &replaces)
{
    CloudOutbox::Entry entry;
    entry.service = m_service;
    entry.account = m_account;
    entry.resource = resource;
    entry.verb = verb;
    entry.body = body;
    entry.replaces = replaces;
    entry.key = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    entry.created_ms = now_ms();
    if (!replaces.isEmpty())
        forget_unkept([&](const CloudOutbox::Entry &old) { return old.replaces == replaces; });
    entry.id = m_outbox->add(entry);
    if (entry.id == 0) {
        qCCritical(lcCloudClient) << "cannot keep" << verb << resource << "in the outbox (" << m_outbox->error()
                                  << "): it is tried from memory, and kept once the outbox takes writes again"
                                  << "(lost if the host quits before)";
        if (m_unkept.size() >= kMaxUnkept) {
            qCCritical(lcCloudClient) << "too many requests held in memory: dropped" << m_unkept.first().verb
                                      << m_unkept.first().resource << m_unkept.first().body.left(kAnswerShown);
            m_unkept.removeFirst();
        }
        entry.id = m_next_unkept_id--;
        m_unkept << entry;
    }
    deliver();
}

int CloudDelivery::pending() const
{
    if (!m_outbox->is_open())
        return m_unkept.size();
    const int kept = m_outbox->pending(m_service, m_account);
    return kept < 0 ? -1 : kept + m_unkept.size();
}

int CloudDelivery::dead() const
{
    return m_outbox->is_open() ? m_outbox->dead(m_service, m_account) : 0;
}

bool CloudDelivery::forget_unkept(const std::function<bool(const CloudOutbox::Entry &)> &which)
{
    const auto gone = std::remove_if(m_unkept.begin(), m_unkept.end(), which);
    const bool found = gone != m_unkept.end();
    m_unkept.erase(gone, m_unkept.end());
    return found;
}

CloudOutbox::Entry *CloudDelivery::unkept(qint64 id)
{
    for (CloudOutbox::Entry &entry : m_unkept) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

void CloudDelivery::deliver()
{
    if (m_stopped || m_waiting_for_token || m_hold.isActive())
        return;
    int room = kMaxInFlight - m_attempts.size();
    if (room <= 0)
        return;
    // A claim holds an entry while it is sent, and a little longer should
    // this process die unnoticed.
    const QList<CloudOutbox::Entry> due = m_outbox->claim(m_service, m_account, room, 2LL * m_timeout_ms + 5000);
    keep_unkept();
    const qint64 now = now_ms();
    const QPointer<CloudDelivery> alive(this); // the host may delete its client when told an entry left
    for (const CloudOutbox::Entry &entry : due) {
        // A newer update held in memory replaces it: it is never sent after all.
        if (!entry.replaces.isEmpty()
            && std::any_of(m_unkept.cbegin(), m_unkept.cend(),
                           [&](const CloudOutbox::Entry &newer) { return newer.replaces == entry.replaces; })) {
            m_outbox->remove(entry.id);
            continue;
        }
        if (now - entry.created_ms > m_max_age_ms) {
            bury(entry, entry.last_status, QStringLiteral("older than %1 s: %2").arg(m_max_age_ms / 1000).arg(entry.reason));
            if (!alive)
                return;
        } else {
            start(entry);
        }
        --room;
    }
    for (const CloudOutbox::Entry &entry : qAsConst(m_unkept)) {
        if (room <= 0)
            break;
        // Nor does a newer update go while an older one is on its way.
        const bool sending = std::any_of(m_attempts.cbegin(), m_attempts.cend(), [&](const Attempt *attempt) {
            return attempt->entry.id == entry.id
                || (!entry.replaces.isEmpty() && attempt->entry.replaces == entry.replaces);
        });
        if (!sending) {
            start(entry);
            --room;
        }
    }
    // Entries another process is sending, or changes the outbox holds in
    // memory until the file takes them: look again in a while.
    if (m_attempts.isEmpty() && !m_hold.isActive() && (pending() > 0 || m_outbox->has_unwritten()))
        m_hold.start(m_first_retry_ms);
}

// What only memory held goes to the outbox once it takes writes again,
// unless it is being sent.
void CloudDelivery::keep_unkept()
{
    for (int i = 0; i < m_unkept.size() && m_outbox->is_open() && !m_outbox->writes_failing();) {
        const qint64 id = m_unkept.at(i).id;
        if (std::any_of(m_attempts.cbegin(), m_attempts.cend(),
                        [&](const Attempt *attempt) { return attempt->entry.id == id; })) {
            ++i;
            continue;
        }
        CloudOutbox::Entry entry = m_unkept.at(i);
        entry.id = m_outbox->add(entry);
        if (entry.id == 0)
            return;
        m_unkept.removeAt(i);
    }
}

void CloudDelivery::start(const CloudOutbox::Entry &entry)
{
    QNetworkReply *reply = m_sender(entry);
    if (!reply) {
        failed(entry, 0, QStringLiteral("cannot be sent"), 0);
        return;
    }
    auto *attempt = new Attempt;
    attempt->entry = entry;
    attempt->reply = reply;
    m_attempts.insert(reply, attempt);
    // Only the status matters: the answer is read in small pieces, and
    // only its beginning is kept, whatever its size.
    reply->setReadBufferSize(kAnswerChunk);
    connect(reply, &QNetworkReply::readyRead, this, [attempt] {
        while (attempt->reply->bytesAvailable() > 0) {
            const QByteArray piece = attempt->reply->read(kAnswerChunk);
            if (attempt->answer.size() < kAnswerShown)
                attempt->answer += piece.left(kAnswerShown - attempt->answer.size());
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, attempt] { on_finished(attempt); });
    attempt->timer.setSingleShot(true);
    connect(&attempt->timer, &QTimer::timeout, this, [this, attempt] { on_timeout(attempt); });
    // The timeout counts from now: no more are in flight than Qt has
    // connections, so the request is really being sent.
    attempt->timer.start(m_timeout_ms);
}

// The attempt counts as failed, so the entry is tried again after a pause,
// but its answer is still awaited for a while: a late 2xx delivers.
void CloudDelivery::on_timeout(Attempt *attempt)
{
    if (attempt->overdue) {
        attempt->reply->abort();
        return;
    }
    attempt->overdue = true;
    failed(attempt->entry, 0, QStringLiteral("no answer within %1 ms").arg(m_timeout_ms), 0);
    attempt->timer.start(3 * m_timeout_ms);
}

void CloudDelivery::on_finished(Attempt *attempt)
{
    std::unique_ptr<Attempt> done(attempt);
    QNetworkReply *reply = attempt->reply;
    m_attempts.remove(reply);
    reply->deleteLater();
    const QVariant status_attribute = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int status = status_attribute.toInt();
    const bool answered = status_attribute.isValid();
    const CloudOutbox::Entry &entry = attempt->entry;
    const QPointer<CloudDelivery> alive(this); // the host may delete its client when told an entry left

    if (answered && status >= 200 && status < 300)
        delivered(entry, status);
    else if (attempt->overdue)
        ; // already counted as failed
    else if (!answered || is_retried(status))
        failed(entry, status, reason_for(reply, status, attempt->answer), answered ? retry_after_ms(reply) : 0);
    else
        bury(entry, status, QStringLiteral("refused: %1").arg(reason_for(reply, status, attempt->answer)));
    if (!alive)
        return;

    if (status == 401 && !attempt->overdue && !m_waiting_for_token) {
        qCWarning(lcCloudClient) << "the cloud asks for authorisation: deliveries wait for a new token";
        m_waiting_for_token = true;
    }
    deliver();
}

void CloudDelivery::delivered(const CloudOutbox::Entry &entry, int status)
{
    const bool was_waiting = entry.id > 0
        ? m_outbox->remove(entry.id)
        : forget_unkept([&](const CloudOutbox::Entry &kept) { return kept.id == entry.id; });
    // The service is back: what waits goes now.
    m_next_retry_ms = m_first_retry_ms;
    m_hold.stop();
    if (was_waiting)
        emit left(entry.resource, status);
}

void CloudDelivery::failed(const CloudOutbox::Entry &entry, int status, const QString &reason,
                           qint64 retry_after_ms)
{
    qCDebug(lcCloudClient) << "attempt failed:" << entry.verb << entry.resource << reason.left(kAnswerShown);
    if (entry.attempts + 1 >= m_max_attempts) {
        bury(entry, status, QStringLiteral("gave up after %1 attempts: %2").arg(entry.attempts + 1).arg(reason));
        return;
    }
    if (entry.id > 0) {
        m_outbox->release(entry.id, status, reason);
    } else if (CloudOutbox::Entry *kept = unkept(entry.id)) {
        ++kept->attempts;
        kept->last_status = status;
        kept->reason = reason;
    }
    if (!m_stopped)
        hold(std::max<qint64>(retry_after_ms, m_next_retry_ms));
}

void CloudDelivery::hold(qint64 milliseconds)
{
    if (m_hold.isActive() && m_hold.remainingTime() >= milliseconds)
        return;
    const bool growing = !m_hold.isActive();
    m_hold.start(int(std::min<qint64>(milliseconds, kLongestRetryAfterMs)));
    if (growing)
        m_next_retry_ms = std::min(m_next_retry_ms * 2, m_longest_retry_ms);
}

void CloudDelivery::bury(const CloudOutbox::Entry &entry, int status, const QString &reason)
{
    const bool kept = entry.id > 0 && m_outbox->bury(entry.id, status, reason);
    const char *fate = !kept ? (entry.id > 0 ? "the outbox cannot move it to the dead letters: it is tried again"
                                             : "the outbox cannot keep it")
        : m_outbox->writes_failing() ? "to the dead letters once the outbox takes writes again"
                                     : "kept in the dead letters";
    qCWarning(lcCloudClient).noquote() << "not delivered:" << entry.verb << entry.resource << "-"
                                       << reason.left(kAnswerShown) << "-" << fate;
    if (entry.id > 0 && !kept)
        return;
    if (!kept) {
        qCCritical(lcCloudClient) << "dropped:" << entry.body.left(kAnswerShown);
        forget_unkept([&](const CloudOutbox::Entry &held) { return held.id == entry.id; });
    }
    emit left(entry.resource, status);
}

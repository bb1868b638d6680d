#include "cloud_outbox_p.h"
#include "command_table.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QDateTime>
#include <QtCore/QFile>

#include <functional>

namespace {

constexpr int kPage = 500;

void print(QTextStream &out, const CloudOutbox::Entry &entry)
{
    out << "  #" << entry.id << ' ' << entry.verb << ' ' << entry.resource << " to "
        << (entry.service.isEmpty() ? QStringLiteral("(no service)") : entry.service);
    if (!entry.account.isEmpty())
        out << " as " << entry.account;
    out << ", " << entry.attempts << " attempt" << (entry.attempts == 1 ? "" : "s") << ", recorded "
        << QDateTime::fromMSecsSinceEpoch(entry.created_ms).toString(Qt::ISODate);
    if (entry.died_ms > 0)
        out << ", dead since " << QDateTime::fromMSecsSinceEpoch(entry.died_ms).toString(Qt::ISODate);
    if (!entry.reason.isEmpty())
        out << "\n      " << (entry.last_status ? QString::number(entry.last_status) + QStringLiteral(" ") : QString())
            << entry.reason.left(200);
    out << '\n';
}

// Every entry of one table, a page at a time.
int for_each(const std::function<QList<CloudOutbox::Entry>(qint64)> &page,
             const std::function<void(const CloudOutbox::Entry &)> &visit)
{
    int count = 0;
    qint64 after = 0;
    for (QList<CloudOutbox::Entry> entries = page(after); !entries.isEmpty(); entries = page(after)) {
        for (const CloudOutbox::Entry &entry : entries) {
            visit(entry);
            after = entry.id;
            ++count;
        }
    }
    return count;
}

} // namespace

QString check_cloud(const Invocation &call)
{
    const QString action = call.arguments.value(0);
    if (call.options.value(QStringLiteral("outbox")).isEmpty()
        || (action != QLatin1String("list") && call.arguments.size() < 2)
        || !QStringList{"list", "retry", "purge"}.contains(action))
        return QStringLiteral("cloud --outbox FILE list | retry ID...|all | purge ID...|all");
    return QString();
}

// vxctl cloud list | retry ID…|all | purge ID…|all: what a host's cloud
// outbox holds, and what an operator does with its dead letters. A revived
// entry recorded without a service gets the one from --cloud-service.
int run_cloud(const Invocation &call)
{
    const QString outbox_file = call.options.value(QStringLiteral("outbox"));
    const QString action = call.arguments.value(0);
    const QStringList ids = call.arguments.mid(1);
    const QString service = call.options.value(QStringLiteral("cloud-service"));
    QTextStream &out = call.out;
    QTextStream &err = call.err;
    if (!QFile::exists(outbox_file)) {
        err << "vxctl: no outbox at " << outbox_file << '\n';
        return 1;
    }
    CloudOutbox outbox(outbox_file);
    if (!outbox.is_open()) {
        err << "vxctl: cannot open the outbox " << outbox_file << ": " << outbox.error() << '\n';
        return 1;
    }

    const auto dead_page = [&outbox](qint64 after) { return outbox.dead_letters(kPage, after); };
    if (action == QLatin1String("list")) {
        QString waiting;
        QTextStream waiting_out(&waiting);
        const int pending = for_each([&outbox](qint64 after) { return outbox.waiting_entries(kPage, after); },
                                     [&](const CloudOutbox::Entry &entry) { print(waiting_out, entry); });
        out << "waiting: " << pending << '\n' << waiting;
        QString dead;
        QTextStream dead_out(&dead);
        const int buried = for_each(dead_page, [&](const CloudOutbox::Entry &entry) { print(dead_out, entry); });
        out << "dead: " << buried << '\n' << dead;
        return 0;
    }

    QList<qint64> chosen;
    if (ids == QStringList{"all"}) {
        for_each(dead_page, [&chosen](const CloudOutbox::Entry &entry) { chosen << entry.id; });
    } else {
        for (const QString &id : ids) {
            bool ok = false;
            chosen << id.toLongLong(&ok);
            if (!ok) {
                err << "vxctl: not an entry number: " << id << '\n';
                return 2;
            }
        }
    }
    int failed = 0;
    for (qint64 id : qAsConst(chosen)) {
        const bool done = action == QLatin1String("retry") ? outbox.revive(id, service) : outbox.purge(id);
        if (!done) {
            err << "vxctl: cannot " << action << " dead letter #" << id
                << (action == QLatin1String("retry") ? " (no such entry, or it needs --cloud-service)" : " (no such entry)")
                << '\n';
            ++failed;
        }
    }
    out << (action == QLatin1String("retry") ? "waiting again: " : "purged: ") << chosen.size() - failed << '\n';
    return failed ? 1 : 0;
}

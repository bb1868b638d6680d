// vxctl trace show FILE [--json] and vxctl trace stats FILE: a recorded
// session, read with the plugin's own receive buffer and reply parser.
#include "command_table.h"
#include "plugin_host.h"
#include "reply_meaning.h"
#include "trace_table.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>

#include <algorithm>

using namespace vx::protocol;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("vxctl", text);
}

// Each row as it is read: a trace of any length in the memory of one line.
void show(const Invocation &call, TraceRows &rows)
{
    TraceTable table(call.host ? call.host->root() : nullptr);
    const bool json = call.options.isSet(QStringLiteral("json"));
    if (json)
        call.out << QJsonDocument(rows.header()).toJson(QJsonDocument::Compact) << '\n';
    else
        call.out << TraceTable::header_text(rows.header()) << '\n' << TraceTable::titles_line() << '\n';
    TraceRow row;
    while (rows.next(&row)) {
        const TraceTableRow shown = table.row(row);
        if (!json) {
            call.out << TraceTable::line(shown) << '\n';
            continue;
        }
        QJsonObject object{{"t_us", row.t_us}, {"dir", shown.direction}, {"what", shown.what}};
        if (row.kind == TraceRow::Sent || row.kind == TraceRow::Received) {
            object.insert("link", row.link);
            object.insert("frame", shown.frame);
            object.insert("bytes", printable_bytes(row.frame));
            if (!shown.code.isEmpty())
                object.insert("code", row.reply.code);
            object.insert("malformed", row.malformed);
        } else if (row.kind == TraceRow::LinkEvent) {
            object.insert("link", row.link);
            object.insert("event", row.event);
        } else {
            object.insert("kind", row.event);
            object.insert("text", row.text);
        }
        call.out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
    }
}

qint64 median(QList<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

QString milliseconds(qint64 us)
{
    return tr("%1 ms").arg(us / 1000.0, 0, 'f', 1);
}

// Silences and malformed frames listed; all are counted. A hostile or
// broken trace may hold millions of either.
constexpr int kListed = 100;
// Pages without their "done" yet: the plugin waits for each page, so a
// trace with more is no job's, and the oldest is let go.
constexpr int kMaxPagesInFlight = 1024;
// Distinct commands counted; a trace made by hand may name any number.
constexpr int kMaxCommands = 1000;

void list_line(QStringList *listed, int *count, const QString &line)
{
    if (++*count <= kListed)
        *listed << line;
}

void print_listed(QTextStream &out, const QStringList &listed, int count)
{
    for (const QString &line : listed)
        out << line << '\n';
    if (count > listed.size())
        out << tr("  … and %1 more\n").arg(count - listed.size());
}

// Read as a stream: what is kept is counts, the lines listed and a time
// per page round trip.
void stats(const Invocation &call, TraceRows &rows)
{
    const double silence_s = call.options.value(QStringLiteral("silence")).toDouble();
    QMap<QString, QPair<int, int>> counts; // per command: sent, received
    QList<qint64> pages_in_flight;
    QList<qint64> round_trips;
    QStringList silences;
    QStringList malformed;
    int silence_count = 0;
    int malformed_count = 0;
    qint64 last_frame_us = -1;
    TraceRow row;
    while (rows.next(&row)) {
        if (row.kind != TraceRow::Sent && row.kind != TraceRow::Received)
            continue;
        if (last_frame_us >= 0 && row.t_us - last_frame_us > qint64(silence_s * 1e6))
            list_line(&silences, &silence_count,
                      tr("  %1 s from %2 s").arg(trace_seconds(row.t_us - last_frame_us), trace_seconds(last_frame_us)));
        last_frame_us = row.t_us;
        if (row.malformed) {
            if (row.kind == TraceRow::Received)
                list_line(&malformed, &malformed_count,
                          QStringLiteral("  %1 s  %2").arg(trace_seconds(row.t_us), printable_bytes(row.frame)));
            continue;
        }
        const bool numbered = row.reply.kind == FrameKind::CCMD || row.reply.kind == FrameKind::CMD;
        QString command = numbered ? QStringLiteral("%1 %2").arg(row.name).arg(row.reply.code, -4) : row.name;
        if (counts.size() >= kMaxCommands && !counts.contains(command))
            command = tr("(others)");
        QPair<int, int> &count = counts[command];
        (row.kind == TraceRow::Sent ? count.first : count.second) += 1;
        if (row.kind == TraceRow::Sent && row.reply.kind == FrameKind::None) {
            if (pages_in_flight.size() == kMaxPagesInFlight)
                pages_in_flight.removeFirst();
            pages_in_flight << row.t_us;
        } else if (row.kind == TraceRow::Received && classify(row.reply) == Meaning::PageDone
                   && !pages_in_flight.isEmpty()) {
            round_trips << row.t_us - pages_in_flight.takeFirst();
        }
    }
    // Figures of a trace that breaks off at an unreadable line would pass
    // for the whole one's.
    if (!rows.error().isEmpty())
        return;
    QTextStream &out = call.out;
    out << tr("frames per command (sent, received):\n");
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        out << QStringLiteral("  %1 %2 %3\n").arg(it.key(), -10).arg(it.value().first, 6).arg(it.value().second, 6);
    if (round_trips.isEmpty())
        out << tr("page round trips: none\n");
    else
        out << tr("page round trips: %1, median %2, worst %3\n")
                   .arg(round_trips.size())
                   .arg(milliseconds(median(round_trips)), milliseconds(*std::max_element(round_trips.cbegin(), round_trips.cend())));
    out << tr("silences longer than %1 s: %2\n").arg(silence_s).arg(silence_count);
    print_listed(out, silences, silence_count);
    out << tr("malformed frames dropped: %1\n").arg(malformed_count);
    print_listed(out, malformed, malformed_count);
    out << tr("bytes received outside frames: %1\n").arg(rows.stray_bytes());
}

} // namespace

QString check_trace(const Invocation &call)
{
    const QString what = call.arguments.first();
    if (what != QLatin1String("show") && what != QLatin1String("stats"))
        return tr("trace takes show FILE or stats FILE");
    if (what == QLatin1String("stats") && call.options.isSet(QStringLiteral("json")))
        return tr("--json does not apply to trace stats");
    bool ok = false;
    const double silence_s = call.options.value(QStringLiteral("silence")).toDouble(&ok);
    if (what == QLatin1String("stats") && (!ok || !(silence_s > 0)))
        return tr("--silence takes seconds, more than 0");
    return QString();
}

// What was read is shown even when the trace breaks off: a cut-off last
// line is a warning, any other unreadable line an error.
int run_trace(const Invocation &call)
{
    TraceRows rows;
    if (!rows.open(call.arguments.at(1))) {
        call.err << "vxctl: " << rows.error() << '\n';
        return 1;
    }
    if (call.arguments.first() == QLatin1String("show"))
        show(call, rows);
    else
        stats(call, rows);
    call.out.flush();
    if (!rows.error().isEmpty()) {
        call.err << "vxctl: " << rows.error() << '\n';
        return 1;
    }
    if (!rows.warning().isEmpty())
        call.err << "vxctl: warning: " << rows.warning() << '\n';
    return 0;
}

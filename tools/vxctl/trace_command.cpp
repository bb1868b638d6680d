// vxctl trace show FILE [--json] and vxctl trace stats FILE: a recorded
// session, read with the plugin's own receive buffer and reply parser.
#include "command_table.h"
#include "plugin_host.h"
#include "reply_meaning.h"
#include "trace_frames.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QScopedPointer>

#include <algorithm>

using namespace vx::protocol;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("vxctl", text);
}

// The first property, in registration order, that a command of this kind
// and number reads or writes: the one a reply of it updates.
class PropertyTable
{
public:
    explicit PropertyTable(const PluginHost *host)
    {
        if (!host)
            return;
        QScopedPointer<VXDeviceInterface> device(host->root()->initInstance());
        if (!device)
            return;
        for (const QByteArray &name : device->dynamicPropertyNames()) {
            if (const VXDeviceProperty *property = device->property_ptr(name.constData()))
                m_rows << Row{int(property->cmd_type()), property->get_cmd_int(), property->set_cmd_int(), QString::fromLatin1(name)};
        }
    }

    QString key(FrameKind kind, int number, bool *writes = nullptr) const
    {
        for (const Row &row : m_rows) {
            if (row.kind == int(kind) && (row.get == number || row.set == number)) {
                if (writes)
                    *writes = row.set == number;
                return row.key;
            }
        }
        return QString();
    }

private:
    struct Row
    {
        int kind;
        int get;
        int set;
        QString key;
    };
    QList<Row> m_rows;
};

QString seconds(qint64 us)
{
    return QString::number(us / 1e6, 'f', 3);
}

QString items_text(const TraceRow &row)
{
    const Reply &reply = row.reply;
    if (row.malformed || !reply.complete)
        return printable_bytes(row.frame);
    if (reply.kind == FrameKind::CCMD)
        return reply.items.mid(1).join(QLatin1Char(','));
    if (reply.kind == FrameKind::CMD)
        return reply.body.isEmpty() ? QString() : reply.text.section(QLatin1Char(';'), 2, -2);
    return tr("%1 bytes").arg(row.frame.size());
}

// What a show has seen so far that the meaning of a frame depends on.
struct Seen
{
    QString last_progress;
    bool pages_sent = false; // since the job mode was last written: a job is under way
};

// A sent frame that drives the job: pause, resume and stop share a number
// and differ by value; the copies register written with 1 while a job is
// under way asks for one more copy. Empty for any other frame.
QString job_command(const Reply &reply, const Seen &seen)
{
    const bool ccmd = reply.kind == FrameKind::CCMD;
    if ((ccmd && reply.code == JobControl && reply.items.size() >= 2)
        || (reply.kind == FrameKind::CMD && reply.code == kCmdJobControl)) {
        switch (ccmd ? reply.item(1) : reply.fields.value(0).toInt()) {
        case int(JobAction::Pause): return tr("pause");
        case int(JobAction::Resume): return tr("resume");
        case int(JobAction::Stop): return tr("stop");
        default: return tr("job control %1").arg(ccmd ? reply.items.value(1) : reply.fields.value(0));
        }
    }
    if (ccmd && reply.code == Copies && seen.pages_sent && reply.items.size() == 2 && reply.item(1) == 1)
        return tr("one more copy");
    return QString();
}

// What the plugin makes of a frame it sends or receives.
QString meaning(const TraceRow &row, const PropertyTable &table, Seen *seen)
{
    const Reply &reply = row.reply;
    if (row.kind == TraceRow::Sent) {
        if (reply.kind == FrameKind::None) {
            seen->pages_sent = seen->pages_sent || reply.complete;
            return reply.complete ? tr("job text") : QString();
        }
        if (reply.kind == FrameKind::CCMD && reply.code == JobMode)
            seen->pages_sent = false;
        const QString job = job_command(reply, *seen);
        if (!job.isEmpty())
            return job;
        bool writes = false;
        const QString key = table.key(reply.kind, reply.code, &writes);
        if (reply.kind == FrameKind::CCMD && reply.code == StatusRequest)
            return tr("status request");
        return key.isEmpty() ? QString() : (writes ? tr("write %1") : tr("read %1")).arg(key);
    }
    if (row.malformed)
        return tr("malformed: dropped by the plugin");
    switch (classify(reply)) {
    case Meaning::Progress:
        if (reply.text == seen->last_progress)
            return tr("job record: a repeat, ignored");
        seen->last_progress = reply.text;
        return tr("job record: status %1, %2 of %3 copies, %4%")
            .arg(reply.items.value(ProgressStatus), reply.items.value(ProgressFinished),
                 reply.items.value(ProgressTaskCopies), reply.items.value(ProgressPercent));
    case Meaning::QrCode: return tr("QR code %1 to the host").arg(reply.items.last());
    case Meaning::Refused: return tr("refused (result %1): no property changes").arg(reply.items.value(1));
    case Meaning::Setting: break;
    case Meaning::Unknown: return reply.kind == FrameKind::CCMD ? tr("done") : QString();
    default: return tr(meaning_row(reply)->what);
    }
    const QString key = table.key(reply.kind, reply.code);
    return key.isEmpty() ? tr("no property takes it")
                         : QStringLiteral("%1 = %2").arg(key, reply.values().join(QLatin1Char(',')));
}

QString direction(const TraceRow &row)
{
    switch (row.kind) {
    case TraceRow::Sent: return QStringLiteral("->");
    case TraceRow::Received: return QStringLiteral("<-");
    case TraceRow::LinkEvent: return QStringLiteral("link");
    case TraceRow::Message: return QStringLiteral("msg");
    }
    return QString();
}

// The header's fields that are there: a trace made by hand may lack some.
QString header_text(const QJsonObject &header)
{
    QStringList parts{tr("trace of %1").arg(header.value("target").toString(tr("an unnamed target")))};
    if (header.contains("host"))
        parts << tr("by %1 %2").arg(header.value("host").toString(), header.value("host_version").toString());
    if (header.contains("plugin_build_date"))
        parts << tr("plugin built %1").arg(header.value("plugin_build_date").toString());
    if (header.contains("started"))
        parts << tr("started %1").arg(header.value("started").toString());
    return parts.join(QStringLiteral(", "));
}

// Each row as it is read: a trace of any length in the memory of one line.
void show(const Invocation &call, TraceRows &rows)
{
    const PropertyTable table(call.host);
    const bool json = call.options.isSet(QStringLiteral("json"));
    if (json)
        call.out << QJsonDocument(rows.header()).toJson(QJsonDocument::Compact) << '\n';
    else
        call.out << header_text(rows.header()) << '\n'
                 << QStringLiteral("%1  %2  %3 %4  %5  %6\n")
                        .arg(tr("time"), 9).arg(tr("dir"), -4).arg(tr("frame"), -9).arg(tr("code"), 5)
                        .arg(tr("items"), -32).arg(tr("what the plugin made of it"));
    Seen seen;
    TraceRow row;
    while (rows.next(&row)) {
        const bool is_frame = row.kind == TraceRow::Sent || row.kind == TraceRow::Received;
        QString name = row.link;
        QString code;
        QString items;
        QString what;
        if (is_frame) {
            name = row.malformed ? QStringLiteral("?") : row.name;
            code = row.reply.kind == FrameKind::CCMD || row.reply.kind == FrameKind::CMD
                ? QString::number(row.reply.code) : QString();
            items = items_text(row);
            what = meaning(row, table, &seen);
        } else if (row.kind == TraceRow::LinkEvent) {
            if (row.event == QLatin1String("gap"))
                what = tr("lines left out here: the recording fell behind");
            else
                what = row.event == QLatin1String("close") ? tr("closed by the host") : tr("link %1").arg(row.event);
        } else {
            name = row.event;
            what = tr("message \"%1\"").arg(row.text);
        }
        if (json) {
            QJsonObject object{{"t_us", row.t_us}, {"dir", direction(row)}, {"what", what}};
            if (is_frame) {
                object.insert("link", row.link);
                object.insert("frame", name);
                object.insert("bytes", printable_bytes(row.frame));
                if (!code.isEmpty())
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
            continue;
        }
        if (items.size() > 32)
            items = items.left(31) + QChar(0x2026);
        QString line = QStringLiteral("%1  %2  %3 %4  %5  %6").arg(seconds(row.t_us), 9).arg(direction(row), -4)
                           .arg(name, -9).arg(code, 5).arg(items, -32).arg(what);
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        call.out << line << '\n';
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
                      tr("  %1 s from %2 s").arg(seconds(row.t_us - last_frame_us), seconds(last_frame_us)));
        last_frame_us = row.t_us;
        if (row.malformed) {
            if (row.kind == TraceRow::Received)
                list_line(&malformed, &malformed_count,
                          QStringLiteral("  %1 s  %2").arg(seconds(row.t_us), printable_bytes(row.frame)));
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

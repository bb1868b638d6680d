#include "trace_table.h"

#include "host_texts_p.h"
#include "reply_meaning.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QScopedPointer>

using namespace vx::protocol;

namespace {

constexpr int kItemsWidth = 32;

QString items_text(const TraceRow &row)
{
    const Reply &reply = row.reply;
    if (row.malformed || !reply.complete)
        return printable_bytes(row.frame);
    if (reply.kind == FrameKind::CCMD)
        return reply.items.mid(1).join(QLatin1Char(','));
    if (reply.kind == FrameKind::CMD)
        return reply.body.isEmpty() ? QString() : reply.text.section(QLatin1Char(';'), 2, -2);
    return VxctlText::tr("%1 bytes").arg(row.frame.size());
}

// A sent frame that drives the job: pause, resume and stop share a number
// and differ by value; the copies register written with 1 while a job is
// under way asks for one more copy. Empty for any other frame.
QString job_command(const Reply &reply, bool pages_sent)
{
    const bool ccmd = reply.kind == FrameKind::CCMD;
    if ((ccmd && reply.code == JobControl && reply.items.size() >= 2)
        || (reply.kind == FrameKind::CMD && reply.code == kCmdJobControl)) {
        switch (ccmd ? reply.item(1) : reply.fields.value(0).toInt()) {
        case int(JobAction::Pause): return VxctlText::tr("pause");
        case int(JobAction::Resume): return VxctlText::tr("resume");
        case int(JobAction::Stop): return VxctlText::tr("stop");
        default: return VxctlText::tr("job control %1").arg(ccmd ? reply.items.value(1) : reply.fields.value(0));
        }
    }
    if (ccmd && reply.code == Copies && pages_sent && reply.items.size() == 2 && reply.item(1) == 1)
        return VxctlText::tr("one more copy");
    return QString();
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

} // namespace

QString trace_seconds(qint64 us)
{
    return QString::number(us / 1e6, 'f', 3);
}

// The first property, in registration order, that a command of this kind
// and number reads or writes: the one a reply of it updates.
TraceTable::TraceTable(VXDeviceInterface *root)
{
    if (!root)
        return;
    QScopedPointer<VXDeviceInterface> device(root->initInstance());
    if (!device)
        return;
    for (const QByteArray &name : device->dynamicPropertyNames()) {
        if (const VXDeviceProperty *property = device->property_ptr(name.constData()))
            m_keys << Key{int(property->cmd_type()), property->get_cmd_int(), property->set_cmd_int(), QString::fromLatin1(name)};
    }
}

QString TraceTable::key(int kind, int number, bool *writes) const
{
    for (const Key &row : m_keys) {
        if (row.kind == kind && (row.get == number || row.set == number)) {
            if (writes)
                *writes = row.set == number;
            return row.key;
        }
    }
    return QString();
}

QString TraceTable::sent_meaning(const TraceRow &row)
{
    const Reply &reply = row.reply;
    if (reply.kind == FrameKind::None) {
        m_pages_sent = m_pages_sent || reply.complete;
        return reply.complete ? VxctlText::tr("job text") : QString();
    }
    if (reply.kind == FrameKind::CCMD && reply.code == JobMode)
        m_pages_sent = false;
    const QString job = job_command(reply, m_pages_sent);
    if (!job.isEmpty())
        return job;
    bool writes = false;
    const QString name = key(int(reply.kind), reply.code, &writes);
    if (reply.kind == FrameKind::CCMD && reply.code == StatusRequest)
        return VxctlText::tr("status request");
    return name.isEmpty() ? QString() : (writes ? VxctlText::tr("write %1") : VxctlText::tr("read %1")).arg(name);
}

// What the plugin makes of a frame it receives.
QString TraceTable::received_meaning(const TraceRow &row)
{
    const Reply &reply = row.reply;
    if (row.malformed)
        return VxctlText::tr("malformed: dropped by the plugin");
    switch (classify(reply)) {
    case Meaning::Progress:
        if (reply.text == m_last_progress)
            return VxctlText::tr("job record: a repeat, ignored");
        m_last_progress = reply.text;
        return VxctlText::tr("job record: status %1, %2 of %3 copies, %4%")
            .arg(reply.items.value(ProgressStatus), reply.items.value(ProgressFinished),
                 reply.items.value(ProgressTaskCopies), reply.items.value(ProgressPercent));
    case Meaning::QrCode: return VxctlText::tr("QR code %1 to the host").arg(reply.items.last());
    case Meaning::Refused: return VxctlText::tr("refused (result %1): no property changes").arg(reply.items.value(1));
    case Meaning::Setting: break;
    case Meaning::Unknown: return reply.kind == FrameKind::CCMD ? VxctlText::tr("done") : QString();
    default: return VxctlText::tr(meaning_row(reply)->what);
    }
    const QString name = key(int(reply.kind), reply.code);
    return name.isEmpty() ? VxctlText::tr("no property takes it")
                          : QStringLiteral("%1 = %2").arg(name, reply.values().join(QLatin1Char(',')));
}

TraceTableRow TraceTable::row(const TraceRow &row)
{
    TraceTableRow out;
    out.time = trace_seconds(row.t_us);
    out.direction = direction(row);
    switch (row.kind) {
    case TraceRow::Sent:
    case TraceRow::Received:
        out.frame = row.malformed ? QStringLiteral("?") : row.name;
        if (row.reply.kind == FrameKind::CCMD || row.reply.kind == FrameKind::CMD)
            out.code = QString::number(row.reply.code);
        out.items = items_text(row);
        out.what = row.kind == TraceRow::Sent ? sent_meaning(row) : received_meaning(row);
        break;
    case TraceRow::LinkEvent:
        out.frame = row.link;
        if (row.event == QLatin1String("gap"))
            out.what = VxctlText::tr("lines left out here: the recording fell behind");
        else
            out.what = row.event == QLatin1String("close") ? VxctlText::tr("closed by the host") : VxctlText::tr("link %1").arg(row.event);
        break;
    case TraceRow::Message:
        out.frame = row.event;
        out.what = VxctlText::tr("message \"%1\"").arg(row.text);
        break;
    }
    return out;
}

QString TraceTable::header_text(const QJsonObject &header)
{
    QStringList parts{VxctlText::tr("trace of %1").arg(header.value("target").toString(VxctlText::tr("an unnamed target")))};
    if (header.contains("host"))
        parts << VxctlText::tr("by %1 %2").arg(header.value("host").toString(), header.value("host_version").toString());
    if (header.contains("plugin_build_date"))
        parts << VxctlText::tr("plugin built %1").arg(header.value("plugin_build_date").toString());
    if (header.contains("started"))
        parts << VxctlText::tr("started %1").arg(header.value("started").toString());
    return parts.join(QStringLiteral(", "));
}

QStringList TraceTable::column_titles()
{
    return {VxctlText::tr("time"), VxctlText::tr("dir"), VxctlText::tr("frame"), VxctlText::tr("code"), VxctlText::tr("items"), VxctlText::tr("what the plugin made of it")};
}

QString TraceTable::titles_line()
{
    const QStringList titles = column_titles();
    return QStringLiteral("%1  %2  %3 %4  %5  %6")
        .arg(titles.at(0), 9).arg(titles.at(1), -4).arg(titles.at(2), -9).arg(titles.at(3), 5)
        .arg(titles.at(4), -kItemsWidth).arg(titles.at(5));
}

QString TraceTable::line(const TraceTableRow &row)
{
    QString items = row.items;
    if (items.size() > kItemsWidth)
        items = items.left(kItemsWidth - 1) + QChar(0x2026);
    QString line = QStringLiteral("%1  %2  %3 %4  %5  %6").arg(row.time, 9).arg(row.direction, -4)
                       .arg(row.frame, -9).arg(row.code, 5).arg(items, -kItemsWidth).arg(row.what);
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line;
}

#include "trace_recorder_p.h"

#include "driver_logging_p.h"
#include "property_keys_p.h"
#include "trace_format.h"
#include "vxdeviceproperty.h"

#include <QtCore/QAtomicInt>
#include <QtCore/QCoreApplication>
#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>

namespace {

QAtomicInt g_trace_count;

const char *state_name(Link::State state)
{
    switch (state) {
    case Link::Open: return "up";
    case Link::Closed: return "down";
    case Link::Failed: return "failed";
    case Link::Unchanged: break;
    }
    return nullptr;
}

const char *message_kind(VXDeviceInterface::VXDeviceMessage kind)
{
    switch (kind) {
    case VXDeviceInterface::DevStatus: return "DevStatus";
    case VXDeviceInterface::DevTasK: return "DevTasK";
    case VXDeviceInterface::Qrcode: return "Qrcode";
    }
    return "?";
}

} // namespace

TraceRecorder *TraceRecorder::for_device(VXDeviceInterface *device, const QList<Link *> &links)
{
    const QString folder = qEnvironmentVariable(vx::trace::kFolderVariable);
    if (folder.isEmpty())
        return nullptr;
    auto *recorder = new TraceRecorder(device, folder);
    for (Link *link : links) {
        connect(link, &Link::sent, recorder,
                [recorder, link](const QByteArray &frame) { recorder->on_bytes(*link, "tx", frame); });
        connect(link, &Link::received, recorder,
                [recorder, link](const QByteArray &bytes) { recorder->on_bytes(*link, "rx", bytes); });
        connect(link, &Link::stateChanged, recorder,
                [recorder, link](Link::State state) { recorder->on_state(*link, state); });
    }
    connect(device, &VXDeviceInterface::message, recorder, &TraceRecorder::on_message);
    return recorder;
}

TraceRecorder::TraceRecorder(VXDeviceInterface *device, const QString &folder)
    : QObject(device), m_device(device), m_folder(folder)
{
}

void TraceRecorder::host_closing()
{
    if (m_file.isOpen())
        write(line_start("event") + "\"close\"}\n", true);
}

// The target is what the device holds for the link when it first reports.
bool TraceRecorder::start(const Link &link)
{
    if (m_stopped)
        return false;
    if (m_file.isOpen())
        return true;
    const QString name = QStringLiteral("%1-%2-%3.jsonl")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")))
                             .arg(QCoreApplication::applicationPid())
                             .arg(g_trace_count.fetchAndAddRelaxed(1) + 1);
    m_file.setFileName(QDir(m_folder).filePath(name));
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        qCWarning(lcDriver) << "trace: cannot write" << m_file.fileName() << m_file.errorString();
        m_stopped = true;
        return false;
    }
    m_clock.start();
    QString target = link.name();
    if (const VXDeviceProperty *address = m_device->property_ptr(link.name().toLatin1().constData()))
        target += QLatin1Char(' ') + address->value().toString();
    const VXDeviceProperty *port = m_device->property_ptr(vx::key::TCP_PORT);
    if (link.name() == QLatin1String(vx::key::TCP) && port)
        target += QLatin1Char(':') + port->value().toString();
    const QJsonObject header{
        {QStringLiteral("vx_trace"), vx::trace::kFormatVersion},
        {QStringLiteral("plugin_build_date"), m_device->buildDate()},
        {QStringLiteral("host"), QCoreApplication::applicationName()},
        {QStringLiteral("host_version"), QCoreApplication::applicationVersion()},
        {QStringLiteral("target"), target},
        {QStringLiteral("started"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
    };
    write(QJsonDocument(header).toJson(QJsonDocument::Compact) + '\n', true);
    return m_file.isOpen();
}

QByteArray TraceRecorder::line_start(const char *first_field)
{
    return "{\"t\":" + QByteArray::number(m_clock.nsecsElapsed() / 1000) + ",\"" + first_field + "\":";
}

void TraceRecorder::on_bytes(const Link &link, const char *direction, const QByteArray &bytes)
{
    if (!start(link))
        return;
    QByteArray line = line_start("dir");
    line.reserve(line.size() + bytes.size() + bytes.size() / 8 + 32);
    line += '"';
    line += direction;
    line += "\",\"link\":\"" + link.name().toLatin1() + "\",";
    vx::trace::append_bytes_field(line, bytes);
    line += "}\n";
    write(line, false);
}

void TraceRecorder::on_state(const Link &link, Link::State state)
{
    const char *name = state_name(state);
    if (!name || !start(link))
        return;
    write(line_start("link") + '"' + link.name().toLatin1() + "\",\"event\":\"" + name + "\"}\n", true);
}

void TraceRecorder::on_message(VXDeviceInterface::VXDeviceMessage kind, const QString &text)
{
    if (!m_file.isOpen())
        return;
    QByteArray line = line_start("event") + "\"message\",\"kind\":\"" + message_kind(kind) + "\",\"text\":";
    vx::trace::append_json_string(line, text.toUtf8());
    write(line + "}\n", true);
}

void TraceRecorder::write(const QByteArray &line, bool flush)
{
    if (m_file.write(line) == line.size() && (!flush || m_file.flush()))
        return;
    qCWarning(lcDriver) << "trace: recording stopped, cannot write" << m_file.fileName() << m_file.errorString();
    m_file.close();
    m_stopped = true;
}

#include "trace_recorder_p.h"

#include "trace_file_writer_p.h"
#include "trace_format.h"
#include "vxdeviceproperty.h"

#include <QtCore/QAtomicInt>
#include <QtCore/QCoreApplication>
#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QMetaEnum>

static QAtomicInt g_trace_count;
static const char *const state_names[] = {"down", "up", "failed", nullptr}; // by Link::State

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

TraceRecorder::~TraceRecorder() = default;

bool TraceRecorder::recording() const
{
    return m_writer && !m_writer->failed();
}

void TraceRecorder::host_closing()
{
    if (recording())
        m_writer->add(now_us(), "\"event\":\"close\"", QByteArray(), false);
}

// The target is what the device holds for the link when it first reports.
bool TraceRecorder::start(const Link &link)
{
    if (m_writer)
        return !m_writer->failed();
    const QString name = QStringLiteral("%1-%2-%3.jsonl")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")))
                             .arg(QCoreApplication::applicationPid())
                             .arg(g_trace_count.fetchAndAddRelaxed(1) + 1);
    m_writer = std::make_unique<TraceFileWriter>(QDir(m_folder).filePath(name));
    m_clock.start();
    QString target = link.name();
    if (const VXDeviceProperty *address = m_device->property_ptr(link.name().toLatin1().constData()))
        target += QLatin1Char(' ') + link.target(address->value().toString(), *m_device);
    const QJsonObject header{
        {QStringLiteral("vx_trace"), vx::trace::kFormatVersion},
        {QStringLiteral("plugin_build_date"), m_device->buildDate()},
        {QStringLiteral("host"), QCoreApplication::applicationName()},
        {QStringLiteral("host_version"), QCoreApplication::applicationVersion()},
        {QStringLiteral("target"), target},
        {QStringLiteral("started"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
    };
    m_writer->add_line(QJsonDocument(header).toJson(QJsonDocument::Compact) + '\n');
    return recording();
}

// The bytes are shared with the link, not copied: the writer's thread
// escapes them. A socket's read of a few bytes, a reply, keeps a buffer of
// kilobytes, though: a copy of a few bytes is cheaper to hold.
void TraceRecorder::on_bytes(const Link &link, const char *direction, const QByteArray &bytes)
{
    constexpr int kCopiedBytes = 4096;
    if (!start(link))
        return;
    const bool wasteful = bytes.size() <= kCopiedBytes && bytes.capacity() > 2 * bytes.size();
    m_writer->add(now_us(), QByteArray("\"dir\":\"") + direction + "\",\"link\":\"" + link.name().toLatin1() + '"',
                  wasteful ? QByteArray(bytes.constData(), bytes.size()) : bytes, true);
}

void TraceRecorder::on_state(const Link &link, Link::State state)
{
    const char *name = state_names[state];
    if (!name || !start(link))
        return;
    m_writer->add(now_us(), "\"link\":\"" + link.name().toLatin1() + "\",\"event\":\"" + name + '"', QByteArray(), false);
}

void TraceRecorder::on_message(VXDeviceInterface::VXDeviceMessage kind, const QString &text)
{
    if (!recording())
        return;
    const char *name = QMetaEnum::fromType<VXDeviceInterface::VXDeviceMessage>().valueToKey(kind);
    QByteArray fields = QByteArray("\"event\":\"message\",\"kind\":\"") + (name ? name : "?") + "\",\"text\":";
    vx::trace::append_json_string(fields, text.toUtf8());
    m_writer->add(now_us(), fields, QByteArray(), false);
}

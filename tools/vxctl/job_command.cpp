#include "command_table.h"
#include "device_session.h"
#include "terminal.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QSignalBlocker>
#include <QtCore/QTimer>

#include <limits>

namespace {

struct JobOptions
{
    QString file;
    int copies = 1;
    int mode = 0;                 // 0 plotter job, 1 QR-code job
    int idle_timeout_ms = 30000;  // the machine is given up after this much silence
};

enum class Outcome { Running, Finished, LinkLost, MachineStop, UserStop, Silent };

int count_pages(const QString &job)
{
    int pages = 0;
    for (const QStringRef &part : job.splitRef(QStringLiteral("PG;")))
        pages += !part.isEmpty();
    return pages;
}

void write_setting(VXDeviceInterface *device, const char *key, const QVariant &value)
{
    if (VXDeviceProperty *property = device->property_ptr(key)) {
        property->setValue(value);
        device->sendCMD(property->set_cmd_bytes());
    }
}

// Follows one job on one device and draws its progress.
class JobWatch : public QObject
{
public:
    JobWatch(DeviceSession &session, const JobOptions &options, int pages, QTextStream &out)
        : m_session(session), m_options(options), m_pages(pages), m_out(out)
        , m_interactive(Terminal::is_interactive_output())
    {
        VXDeviceInterface *device = session.device();
        m_activity.start();
        connect(device, &VXDeviceInterface::message, this,
                [this](VXDeviceInterface::VXDeviceMessage kind, const QString &text) { on_message(kind, text); });
        if (VXDeviceProperty *task = device->property_ptr("TASK"))
            connect(task, &VXDeviceProperty::valueChanged, this, [this] { on_progress(); });
        if (VXDeviceProperty *page = device->property_ptr("TASK_PPLT"))
            connect(page, &VXDeviceProperty::valueChanged, this, [this, page] {
                m_sent = qMin(m_sent + 1, m_pages);
                // Later, once the page has been written out.
                QTimer::singleShot(0, this, [page] { arm_page_counter(page); });
                on_progress();
            });
        connect(&m_terminal, &Terminal::interrupted, this, [this] { stop(); });
        connect(&m_terminal, &Terminal::key_pressed, this, [this](char key) { on_key(key); });
        m_terminal.watch_keys();
    }

    Outcome follow()
    {
        m_sent = m_options.mode == 0 ? qMin(1, m_pages) : 0;
        if (m_interactive)
            m_out << "keys: p pause, r resume, s stop\n";
        m_session.device()->startTask();
        if (VXDeviceProperty *page = m_session.device()->property_ptr("TASK_PPLT"))
            arm_page_counter(page);
        on_progress();
        wait_for([this] {
            if (m_outcome == Outcome::Running && !m_session.link_lost().isEmpty())
                m_outcome = Outcome::LinkLost;
            if (m_outcome == Outcome::Running && m_activity.elapsed() > m_options.idle_timeout_ms)
                m_outcome = Outcome::Silent;
            return m_outcome != Outcome::Running;
        }, std::numeric_limits<int>::max());
        if (m_interactive)
            m_out << '\n';
        m_out.flush();
        return m_outcome;
    }

    QJsonObject record() const
    {
        const VXDeviceProperty *task = m_session.device()->property_ptr("TASK");
        return task ? task->value().toJsonObject() : QJsonObject();
    }

private:
    void on_message(VXDeviceInterface::VXDeviceMessage kind, const QString &text)
    {
        m_activity.restart();
        ++m_messages;
        if (kind == VXDeviceInterface::Qrcode) {
            line(QStringLiteral("QR code: %1").arg(text));
        } else if (kind == VXDeviceInterface::DevTasK) {
            m_reported = m_reported || !text.isEmpty();
            if (text == QLatin1String("STOP") && m_outcome == Outcome::Running)
                m_outcome = Outcome::MachineStop;
            else if (text == QLatin1String("PAUSE"))
                line(QStringLiteral("paused"));
            else if (text == QLatin1String("RESUME"))
                line(QStringLiteral("resumed"));
            on_progress();
        }
    }

    // A page goes out by being set as the carrier's value, which notifies
    // only when it differs from both the current and the previous value;
    // identical pages (a sheet of the same labels) would go unseen. Once a
    // page has been sent, two placeholders in a row make sure the next one
    // is noticed whatever its text.
    static void arm_page_counter(VXDeviceProperty *page)
    {
        QSignalBlocker quiet(page);
        page->setValue(QStringLiteral("\x01sent"));
        page->setValue(QStringLiteral("\x01waiting"));
    }

    void on_key(char key)
    {
        if (key == 'p')
            write_setting(m_session.device(), "TASK_PAUSE", 0);
        else if (key == 'r')
            write_setting(m_session.device(), "TASK_RESUME", 1);
        else if (key == 's' || key == 'q')
            stop();
    }

    // Asks the machine to stop, gives it a moment to answer, then ends the
    // job on the host side too.
    void stop()
    {
        if (m_stopping) {
            m_outcome = Outcome::UserStop; // a second Ctrl-C does not wait
            return;
        }
        m_stopping = true;
        line(QStringLiteral("stopping..."));
        write_setting(m_session.device(), "TASK_STOP", 2);
        const int before = m_messages;
        wait_for([&] { return m_messages > before || m_outcome == Outcome::UserStop; }, 3000);
        m_outcome = Outcome::UserStop;
    }

    void on_progress()
    {
        if (m_outcome != Outcome::Running)
            return;
        const QJsonObject task = record();
        const int finished = task.value(QStringLiteral("Finished")).toInt();
        // Until the machine reports, the record still describes the last job.
        const int percent = m_reported ? task.value(QStringLiteral("Percent")).toInt() : 0;
        if (finished >= m_options.copies && m_outcome == Outcome::Running)
            m_outcome = Outcome::Finished;
        const QString text = QStringLiteral("%1%  page %2/%3  copy %4/%5")
                                 .arg(percent, 3).arg(m_sent).arg(m_pages).arg(finished).arg(m_options.copies);
        if (text == m_last_progress)
            return;
        m_last_progress = text;
        if (m_interactive) {
            const int filled = qBound(0, percent, 100) / 5;
            m_out << "\r\033[K[" << QString(filled, QLatin1Char('#')) << QString(20 - filled, QLatin1Char('.'))
                  << "] " << text;
        } else {
            m_out << "progress " << text << '\n';
        }
        m_out.flush();
    }

    void line(const QString &text)
    {
        if (m_interactive)
            m_out << "\r\033[K";
        m_out << text << '\n';
        m_last_progress.clear();
        m_out.flush();
    }

    DeviceSession &m_session;
    const JobOptions &m_options;
    const int m_pages;
    QTextStream &m_out;
    const bool m_interactive;
    Terminal m_terminal;
    QElapsedTimer m_activity;
    Outcome m_outcome = Outcome::Running;
    QString m_last_progress;
    int m_sent = 0;
    int m_messages = 0;
    bool m_reported = false;
    bool m_stopping = false;
};

} // namespace

QString check_job(const Invocation &call)
{
    bool ok = false;
    const int copies = call.options.value(QStringLiteral("copies")).toInt(&ok);
    if (!ok || copies < 1)
        return QStringLiteral("--copies takes a whole number from 1");
    const int mode = call.options.value(QStringLiteral("mode")).toInt(&ok);
    if (!ok || (mode != 0 && mode != 1))
        return QStringLiteral("--mode takes 0 or 1");
    return QString();
}

// The name the simulator's progress reports carry.
QStringList job_simulator_arguments(const Invocation &call)
{
    return {QStringLiteral("--file-name"), QFileInfo(call.arguments.at(0)).fileName()};
}

// vxctl job FILE: loads the plotter file, writes the copies and the mode,
// starts the job and follows it to the end, with live progress. Ctrl-C
// stops the job on the machine; "p" and "r" pause and resume it.
int run_job(const Invocation &call)
{
    DeviceSession &session = *call.session;
    QTextStream &out = call.out;
    QTextStream &err = call.err;
    JobOptions options;
    options.file = call.arguments.at(0);
    options.copies = call.options.value(QStringLiteral("copies")).toInt();
    options.mode = call.options.value(QStringLiteral("mode")).toInt();
    options.idle_timeout_ms = qMax(call.timeout_ms * 6, 30000);

    QFile file(options.file);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "vxctl: cannot read " << options.file << ": " << file.errorString() << '\n';
        return 1;
    }
    const QString job = QString::fromUtf8(file.readAll());
    const int pages = count_pages(job);
    if (options.mode == 0 && pages == 0) {
        err << "vxctl: " << options.file << " holds no plotter commands\n";
        return 1;
    }

    VXDeviceInterface *device = session.device();
    write_setting(device, "TASK_MODE", options.mode);
    write_setting(device, "TASK_COPIES", options.copies);
    device->setPlt(job);
    out << "job " << options.file << ": " << pages << " page(s), " << options.copies << " cop"
        << (options.copies == 1 ? "y" : "ies") << ", on " << session.target().describe() << '\n';

    JobWatch watch(session, options, pages, out);
    const Outcome outcome = watch.follow();
    const QJsonObject record = watch.record();
    device->stopTask(); // reports the work to the cloud, if bound, and resets the record
    out << "record " << QString::fromUtf8(QJsonDocument(record).toJson(QJsonDocument::Compact)) << '\n';
    out.flush();

    switch (outcome) {
    case Outcome::Finished:
        out << "finished: " << options.copies << " of " << options.copies << " copies\n";
        return 0;
    case Outcome::LinkLost:
        err << "vxctl: link lost during the job (" << session.link_lost() << ")\n";
        return 1;
    case Outcome::MachineStop:
        err << "vxctl: the job was stopped on the machine\n";
        return 1;
    case Outcome::UserStop:
        err << "vxctl: job stopped\n";
        return 130;
    case Outcome::Silent:
        err << "vxctl: the machine stopped answering\n";
        return 1;
    case Outcome::Running:
        break;
    }
    return 1;
}

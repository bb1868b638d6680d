#include "target.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QRegularExpression>

#include <csignal>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace {

volatile sig_atomic_t g_simulator_pid = 0;

// A signal that ends vxctl ends the simulator first (unless a job has its
// own handler installed, which stops the job and then returns normally).
void end_simulator_and_exit(int signal)
{
    if (g_simulator_pid > 0)
        ::kill(pid_t(g_simulator_pid), SIGTERM);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// In the child before it runs the simulator.
void prepare_simulator_child()
{
    ::setpgid(0, 0);
#ifdef Q_OS_LINUX
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
}

} // namespace

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
SimulatorProcess::Process::Process()
{
    setChildProcessModifier(prepare_simulator_child);
}
#else
SimulatorProcess::Process::Process() = default;

void SimulatorProcess::Process::setupChildProcess()
{
    prepare_simulator_child();
}
#endif

bool Target::parse_tcp(const QString &text, Target *target)
{
    const QRegularExpression form(QStringLiteral("^([^:\\s]+)(?::(\\d{1,5}))?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    target->kind = Tcp;
    target->host = match.captured(1);
    if (match.capturedLength(2) > 0) {
        const int port = match.captured(2).toInt();
        if (port < 1 || port > 65535)
            return false;
        target->port = quint16(port);
    }
    return true;
}

bool Target::parse(const QString &text, Target *target)
{
    if (text == QLatin1String("sim")) {
        target->kind = Simulator;
        return true;
    }
    if (text.startsWith(QLatin1String("tcp:")))
        return parse_tcp(text.mid(4), target);
    if (text.startsWith(QLatin1String("usb:")) && text.size() > 4) {
        target->kind = Usb;
        target->usb_path = text.mid(4);
        return true;
    }
    const QRegularExpressionMatch link = QRegularExpression(QStringLiteral("^link:(\\w+):(.+)$")).match(text);
    if (!link.hasMatch())
        return false;
    target->kind = Link;
    target->link = link.captured(1);
    target->address = link.captured(2);
    return true;
}

QString Target::describe() const
{
    switch (kind) {
    case Tcp: return QStringLiteral("%1:%2").arg(host).arg(port);
    case Usb: return usb_path;
    case Link: return link + QLatin1Char(' ') + address;
    case Simulator: break;
    }
    return QStringLiteral("the simulator on 127.0.0.1:%1").arg(port);
}

QString Target::key() const
{
    switch (kind) {
    case Tcp: return QStringLiteral("tcp:%1:%2").arg(host).arg(port);
    case Usb: {
        const QString resolved = QFileInfo(usb_path).canonicalFilePath();
        return QStringLiteral("usb:") + (resolved.isEmpty() ? usb_path : resolved);
    }
    case Link: return QStringLiteral("link:%1:%2").arg(link, address);
    case Simulator: break;
    }
    return QStringLiteral("sim");
}

QString Target::link_name() const
{
    return kind == Link ? link : kind == Usb ? QStringLiteral("USB") : QStringLiteral("TCP");
}

QString Target::link_address() const
{
    return kind == Link ? address : kind == Usb ? usb_path : host;
}

SimulatorProcess::~SimulatorProcess()
{
    g_simulator_pid = 0;
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(1000);
    }
}

bool SimulatorProcess::start(const QStringList &arguments, quint16 *port, QString *error)
{
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vxsim"));
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program, QStringList{QStringLiteral("--port"), QStringLiteral("0")} + arguments);
    if (!m_process.waitForStarted(5000)) {
        *error = QCoreApplication::translate("vxctl", "cannot start the simulator %1: %2")
                     .arg(program, m_process.errorString());
        return false;
    }
    g_simulator_pid = sig_atomic_t(m_process.processId());
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signal, end_simulator_and_exit);
    // The simulator says where it listens on its first line.
    const QRegularExpression listening(QStringLiteral("^listening [^:]+:(\\d+)"));
    QByteArray line;
    while (!line.endsWith('\n')) {
        if (!m_process.waitForReadyRead(5000)) {
            *error = QCoreApplication::translate("vxctl", "the simulator did not start listening");
            return false;
        }
        line += m_process.readLine();
    }
    const QRegularExpressionMatch match = listening.match(QString::fromUtf8(line));
    if (!match.hasMatch()) {
        *error = QCoreApplication::translate("vxctl", "unexpected simulator output: %1")
                     .arg(QString::fromUtf8(line.trimmed()));
        return false;
    }
    *port = quint16(match.captured(1).toUInt());
    return true;
}

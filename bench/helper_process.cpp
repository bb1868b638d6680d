#include "helper_process.h"

#include <QtCore/QElapsedTimer>

namespace vxbench {

HelperProcess::HelperProcess(const QString &program, const QStringList &arguments)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program, arguments, QIODevice::ReadOnly);
}

HelperProcess::~HelperProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

quint16 HelperProcess::wait_port(int timeout_ms)
{
    const QByteArray line = read_line(timeout_ms);
    return line.startsWith("port=") ? quint16(line.mid(5).toUInt()) : 0;
}

QByteArray HelperProcess::read_line(int timeout_ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!m_output.contains('\n') && timer.elapsed() < timeout_ms
           && m_process.waitForReadyRead(int(timeout_ms - timer.elapsed())))
        m_output += m_process.readAllStandardOutput();
    const int end = m_output.indexOf('\n');
    if (end < 0)
        return QByteArray();
    const QByteArray line = m_output.left(end);
    m_output.remove(0, end + 1);
    return line;
}

QMap<QString, double> HelperProcess::finish(int timeout_ms)
{
    QMap<QString, double> figures;
    // waitForFinished is false for a process that already ended: ask the state.
    if (m_process.state() != QProcess::NotRunning)
        m_process.waitForFinished(timeout_ms);
    if (m_process.state() != QProcess::NotRunning || m_process.exitStatus() != QProcess::NormalExit
        || m_process.exitCode() != 0)
        return figures;
    m_output += m_process.readAllStandardOutput();
    for (const QByteArray &pair : m_output.simplified().split(' ')) {
        const int equals = pair.indexOf('=');
        if (equals > 0)
            figures.insert(QString::fromLatin1(pair.left(equals)), pair.mid(equals + 1).toDouble());
    }
    return figures;
}

} // namespace vxbench

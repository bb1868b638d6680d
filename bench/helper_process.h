#pragma once

#include <QtCore/QMap>
#include <QtCore/QProcess>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace vxbench {

// A helper program of the benchmarks (peer, probe or simulator) run as its
// own process; it prints "key=value" pairs or, vxsim, a line per machine.
class HelperProcess
{
public:
    HelperProcess(const QString &program, const QStringList &arguments);
    ~HelperProcess();

    // The listening port a peer announces first; 0 when it gave none in time.
    quint16 wait_port(int timeout_ms);
    // The next line printed, without its end; empty when none came in time.
    QByteArray read_line(int timeout_ms);
    // Waits for the exit and reads the figures printed; empty on failure.
    QMap<QString, double> finish(int timeout_ms);

private:
    QProcess m_process;
    QByteArray m_output;
};

} // namespace vxbench

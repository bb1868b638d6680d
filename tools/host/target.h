#pragma once

#include <QtCore/QObject>
#include <QtCore/QProcess>
#include <QtCore/QString>

// Where vxctl's device connects: a controller over TCP, a USB device path,
// another of the plugin's links by its name, or a controller simulator
// started for the run.
struct Target
{
    enum Kind { Simulator, Tcp, Usb, Link };
    Kind kind = Simulator;
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 9100;
    QString usb_path;
    QString link, address; // Link: the plugin's name of it, and its address
    QStringList simulator_arguments;

    // "HOST" or "HOST:PORT"; false for a malformed text.
    static bool parse_tcp(const QString &text, Target *target);
    // "tcp:HOST[:PORT]", "usb:PATH", "link:KIND:ADDRESS" or "sim"; false
    // for anything else.
    static bool parse(const QString &text, Target *target);
    QString describe() const;
    // The machine as parse() reads it ("tcp:HOST:PORT", "usb:PATH" with
    // links resolved, "sim"): what its job lock and journals are kept by.
    QString key() const;
    // The plugin's name of the link it goes over, and the address given to it.
    QString link_name() const;
    QString link_address() const;
};

// The controller simulator as a child process on a free port, stopped when
// this object goes. It runs in a process group of its own, so the
// terminal's Ctrl-C reaches vxctl alone, which stops the job first; it is
// ended too when vxctl is ended by a signal, or dies.
class SimulatorProcess : public QObject
{
public:
    ~SimulatorProcess() override;
    // Starts it and waits for the port it listens on; false with a reason.
    bool start(const QStringList &arguments, quint16 *port, QString *error);

private:
    class Process : public QProcess
    {
    public:
        Process();
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    protected:
        // Qt 6 has no such virtual; it takes a modifier function instead.
        void setupChildProcess() override;
#endif
    };
    Process m_process;
};

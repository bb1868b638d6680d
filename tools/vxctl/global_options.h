#pragma once

#include <QtCore/QCommandLineOption>
#include <QtCore/QCoreApplication>
#include <QtCore/QList>

#include <vector>

struct Command;
class QCommandLineParser;
namespace vx::sim {
struct SimulatorFault;
}

// The options of vxctl itself, before or after any command: the plugin,
// the machine and its simulator, the log.
struct GlobalOptions
{
    static QString tr(const char *text) { return QCoreApplication::translate("vxctl", text); }

    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, tr("This help (vxctl help COMMAND: one command's).")};
    QCommandLineOption plugin{QStringLiteral("plugin"), tr("The plugin file to load."), QStringLiteral("path")};
    QCommandLineOption log{QStringLiteral("log"), tr("Write the plugin's and vxctl's log lines to the file."),
                           QStringLiteral("file")};
    QCommandLineOption tcp{QStringLiteral("tcp"), tr("A controller on the network."), QStringLiteral("host[:port]")};
    QCommandLineOption usb{QStringLiteral("usb"), tr("A controller on a USB device path (see vxctl ports)."),
                           QStringLiteral("path")};
    QCommandLineOption sim{QStringLiteral("sim"), tr("Start the controller simulator.")};
    QCommandLineOption trace{QStringLiteral("trace"), tr("Record every frame and link event into the file (vxctl trace show FILE)."),
                             QStringLiteral("file")};
    QCommandLineOption sim_replay{QStringLiteral("sim-replay"), tr("Start the simulator acting as the controller of a trace."),
                                  QStringLiteral("file")};
    QCommandLineOption timeout{QStringLiteral("timeout"), tr("Seconds to wait for the machine to answer; in a job, the longest silence accepted."),
                               QStringLiteral("s"), QStringLiteral("5")};

    // The simulator's faults vxctl gives on, one per row of its table that
    // names a vxctl option: --sim-FAULT [value] becomes the simulator's --FAULT.
    struct SimulatorFlag
    {
        QCommandLineOption option;
        const vx::sim::SimulatorFault *fault;
    };
    static std::vector<SimulatorFlag> simulator_flags();
    const std::vector<SimulatorFlag> simulator = simulator_flags();
    // The options that choose or shape the machine, for commands that use it.
    QList<const QCommandLineOption *> machine_options() const;
    // Every option of vxctl itself, in help order; a command's row may list
    // one of them for its help (job: --timeout), which leaves it vxctl's.
    QList<const QCommandLineOption *> all() const;
    bool is_own(const QString &name) const;

    void add_to(QCommandLineParser &parser) const;
    // Whether an option of vxctl itself may be given to the command.
    bool applies_to(const QCommandLineOption &option, const Command &command) const;
    // An option given to a command it does not apply to: the error, or an
    // empty text.
    QString misplaced(const QCommandLineParser &parser, const Command &command) const;
};

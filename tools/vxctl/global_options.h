#pragma once

#include <QtCore/QCommandLineOption>
#include <QtCore/QCoreApplication>
#include <QtCore/QList>

struct Command;
class QCommandLineParser;

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
    QCommandLineOption sim_speed{QStringLiteral("sim-speed"), tr("Simulator cutting speed in mm/s (0: instant)."),
                                 QStringLiteral("mm/s")};
    QCommandLineOption sim_stop{QStringLiteral("sim-stop-after"),
                                tr("Simulator: press stop on the machine after n pages."), QStringLiteral("n")};
    QCommandLineOption sim_drop{QStringLiteral("sim-drop-after"), tr("Simulator: drop the link after n pages."),
                                QStringLiteral("n")};
    QCommandLineOption sim_refuse{QStringLiteral("sim-refuse"),
                                  tr("Simulator: refuse the command with this number."), QStringLiteral("n")};
    QCommandLineOption sim_ignore_stop{QStringLiteral("sim-ignore-stop"),
                                       tr("Simulator: leave the stop unanswered and go on cutting.")};
    QCommandLineOption sim_progress{QStringLiteral("sim-progress-interval"),
                                    tr("Simulator: ms between progress reports while cutting (0: only at each page's end)."),
                                    QStringLiteral("ms")};
    QCommandLineOption trace{QStringLiteral("trace"), tr("Record every frame and link event into the file (vxctl trace show FILE)."),
                             QStringLiteral("file")};
    QCommandLineOption sim_replay{QStringLiteral("sim-replay"), tr("Start the simulator acting as the controller of a trace."),
                                  QStringLiteral("file")};
    QCommandLineOption timeout{QStringLiteral("timeout"), tr("Seconds to wait for the machine to answer; in a job, the longest silence accepted."),
                               QStringLiteral("s"), QStringLiteral("5")};

    // The simulator's own options, each given on as the simulator's flag
    // (with its value, if it takes one).
    struct SimulatorFlag
    {
        const QCommandLineOption *option;
        const char *flag;
    };
    QList<SimulatorFlag> simulator_flags() const
    {
        return {{&sim_speed, "--speed"}, {&sim_stop, "--machine-stop-after"},
                {&sim_drop, "--drop-after"}, {&sim_refuse, "--refuse"},
                {&sim_ignore_stop, "--ignore-stop"}, {&sim_progress, "--progress-interval"}};
    }
    // The options that choose or shape the machine, for commands that use it.
    QList<const QCommandLineOption *> machine_options() const
    {
        return {&tcp, &usb, &sim, &sim_speed, &sim_stop, &sim_drop, &sim_refuse, &sim_ignore_stop, &sim_progress,
                &sim_replay, &trace, &timeout};
    }

    // Every option of vxctl itself, in help order; a command's row may list
    // one of them for its help (job: --timeout), which leaves it vxctl's.
    QList<const QCommandLineOption *> all() const
    {
        return {&help, &plugin, &log, &tcp, &usb, &sim, &sim_speed, &sim_stop, &sim_drop, &sim_refuse,
                &sim_ignore_stop, &sim_progress, &sim_replay, &trace, &timeout};
    }
    bool is_own(const QString &name) const;

    void add_to(QCommandLineParser &parser) const;
    // Whether an option of vxctl itself may be given to the command.
    bool applies_to(const QCommandLineOption &option, const Command &command) const;
    // An option given to a command it does not apply to: the error, or an
    // empty text.
    QString misplaced(const QCommandLineParser &parser, const Command &command) const;
};

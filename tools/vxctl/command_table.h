#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QTextStream>
#include <QtCore/QVector>

#include <limits>

class DeviceSession;
class PluginHost;
class QCommandLineParser;

// What a command runs with: the arguments after its name, every option,
// and what its row asked main to get ready.
struct Invocation
{
    QStringList arguments;
    const QCommandLineParser &options;
    QTextStream &out;
    QTextStream &err;
    int timeout_ms = 0;               // --timeout
    const PluginHost *host = nullptr; // loaded unless the command needs nothing
    DeviceSession *session = nullptr; // connected when the command needs the device
};

// An option that belongs to one command.
struct CommandOption
{
    const char *name = nullptr;
    const char *description = nullptr;
    const char *value_name = nullptr; // none: a switch
    const char *default_value = nullptr;
};

// How many arguments may follow the command's name, and the error otherwise.
struct ArgumentCount
{
    int min;
    int max;
    const char *error;
};

constexpr int kNoLimit = std::numeric_limits<int>::max();
constexpr ArgumentCount kAnyArguments{0, kNoLimit, nullptr};

// One row of the command table, which makes the help text, the dispatch
// and the checks done before anything is loaded.
struct Command
{
    enum Application { Console, Window }; // Window: a QApplication
    // Device: an instance connected to the target; DeviceToChange: the same,
    // for a command that changes the machine, so the target must be named.
    enum Needs { Nothing, Plugin, Device, DeviceToChange };

    const char *name;
    // Help lines as "usage\tsummary"; a summary line of its own starts with
    // a tab.
    const char *synopsis;
    Application application;
    Needs needs;
    ArgumentCount arguments;
    int (*run)(const Invocation &call);
    QVector<CommandOption> options = {};
    // Further checks of the command line: the error, or an empty text.
    QString (*check)(const Invocation &call) = nullptr;
    // What a simulator started for the command is told besides its options.
    QStringList (*simulator_arguments)(const Invocation &call) = nullptr;
    // Checks of the arguments against the device instance before it
    // connects (keys, values): the error, or an empty text.
    QString (*check_device)(const Invocation &call) = nullptr;
    // True when this command line needs no machine after all (a Device
    // command then runs without plugin or session).
    bool (*runs_offline)(const Invocation &call) = nullptr;

    bool uses_device() const { return needs >= Device; }
    bool has_option(const QString &option) const;
};

// Every command in help order.
const QVector<Command> &commands();
// Adds a row after the others, before main runs (a static initializer of
// the command's own file, as a program built with one more command does).
bool add_command(const Command &command);
const Command *find_command(const QString &name);

#include "global_options.h"

#include "command_table.h"
#include "simulator_faults.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QSet>

std::vector<GlobalOptions::SimulatorFlag> GlobalOptions::simulator_flags()
{
    std::vector<SimulatorFlag> flags;
    for (const vx::sim::SimulatorFault &fault : vx::sim::simulator_faults()) {
        if (fault.host_flag) {
            flags.push_back({QCommandLineOption(fault.host_flag, tr(fault.host_help), fault.value_name), &fault});
        }
    }
    return flags;
}

QList<const QCommandLineOption *> GlobalOptions::machine_options() const
{
    QList<const QCommandLineOption *> options{&tcp, &usb, &sim};
    for (const SimulatorFlag &flag : simulator)
        options << &flag.option;
    return options << &sim_replay << &trace << &timeout;
}

QList<const QCommandLineOption *> GlobalOptions::all() const
{
    return QList<const QCommandLineOption *>{&help, &plugin, &log} + machine_options();
}

bool GlobalOptions::is_own(const QString &name) const
{
    for (const QCommandLineOption *option : all()) {
        if (option->names().contains(name))
            return true;
    }
    return false;
}

void GlobalOptions::add_to(QCommandLineParser &parser) const
{
    for (const QCommandLineOption *option : all())
        parser.addOption(*option);
    // Commands may share an option (--json); it is added once.
    QSet<QString> added;
    for (const Command &command : commands()) {
        for (const CommandOption &option : command.options) {
            const QString name = QString::fromLatin1(option.name);
            if (!option.name || added.contains(name) || is_own(name))
                continue;
            added << name;
            parser.addOption(QCommandLineOption(name, tr(option.description), QString::fromLatin1(option.value_name),
                                                QString::fromLatin1(option.default_value)));
        }
    }
}

bool GlobalOptions::applies_to(const QCommandLineOption &option, const Command &command) const
{
    if (!command.uses_device() && machine_options().contains(&option))
        return false;
    return command.needs != Command::Nothing || &option != &plugin;
}

QString GlobalOptions::misplaced(const QCommandLineParser &parser, const Command &command) const
{
    const auto not_for = [&command](const QString &option) {
        return tr("--%1 does not apply to %2").arg(option, QString::fromLatin1(command.name));
    };
    for (const QCommandLineOption *option : all()) {
        if (parser.isSet(*option) && !applies_to(*option, command))
            return not_for(option->names().constFirst());
    }
    for (const Command &other : commands()) {
        for (const CommandOption &option : other.options) {
            const QString name = QString::fromLatin1(option.name);
            if (option.name && parser.isSet(name) && !command.has_option(name) && !is_own(name))
                return not_for(name);
        }
    }
    return QString();
}

#include "command_line_target.h"

#include "command_table.h"
#include "global_options.h"
#include "regular_file.h"
#include "simulator_faults.h"

#include <QtCore/QCommandLineParser>

namespace {

QString tr(const char *text)
{
    return GlobalOptions::tr(text);
}

QString option_name(const QCommandLineOption &option)
{
    return QStringLiteral("--") + option.names().constFirst();
}

QString simulator_value_error(const QCommandLineParser &parser, const GlobalOptions &options)
{
    for (const GlobalOptions::SimulatorFlag &flag : options.simulator) {
        if (parser.isSet(flag.option)) {
            const QString error = flag.fault->value_error(parser.value(flag.option), option_name(flag.option));
            if (!error.isEmpty())
                return error;
        }
    }
    return QString();
}

} // namespace

bool choose_target(const QCommandLineParser &parser, const GlobalOptions &options, const Command &command,
                   TargetChoice *choice, QString *error)
{
    QStringList named;
    for (const QCommandLineOption *option : {&options.tcp, &options.usb, &options.sim, &options.sim_replay}) {
        if (parser.isSet(*option))
            named << option_name(*option);
    }
    if (named.size() > 1) {
        *error = tr("%1 name different machines: give one").arg(named.join(tr(" and ")));
        return false;
    }
    Target &target = choice->target;
    if (parser.isSet(options.tcp) && !Target::parse_tcp(parser.value(options.tcp), &target)) {
        *error = tr("--tcp takes HOST or HOST:PORT");
        return false;
    }
    if (parser.isSet(options.usb)) {
        target.kind = Target::Usb;
        target.usb_path = parser.value(options.usb);
    }
    choice->source = named.isEmpty() ? TargetChoice::Implicit : TargetChoice::CommandLine;

    if (choice->source == TargetChoice::Implicit && !configured_choice(choice, error))
        return false;

    for (const GlobalOptions::SimulatorFlag &flag : options.simulator) {
        // A replay answers as the recording did, faults included.
        if (parser.isSet(flag.option) && parser.isSet(options.sim_replay)) {
            *error = tr("%1 does not apply to --sim-replay").arg(option_name(flag.option));
            return false;
        }
        if (parser.isSet(flag.option) && target.kind != Target::Simulator) {
            *error = tr("%1 needs the simulator, but the machine is %2")
                         .arg(option_name(flag.option), target.describe());
            return false;
        }
    }
    *error = simulator_value_error(parser, options);
    if (!error->isEmpty())
        return false;
    if (choice->source == TargetChoice::Implicit && command.needs == Command::DeviceToChange) {
        *error = tr("%1 changes the machine: name it with --tcp, --usb or --sim (or VXCTL_TARGET)")
                     .arg(QString::fromLatin1(command.name));
        return false;
    }
    if (target.kind == Target::Usb && !is_character_device(target.usb_path, error))
        return false;
    if (parser.isSet(options.sim_replay))
        target.simulator_arguments << QStringLiteral("--replay") << parser.value(options.sim_replay);
    if (target.kind == Target::Simulator) {
        for (const GlobalOptions::SimulatorFlag &flag : options.simulator) {
            if (!parser.isSet(flag.option))
                continue;
            target.simulator_arguments << QStringLiteral("--") + QString::fromLatin1(flag.fault->flag);
            if (flag.fault->value_name)
                target.simulator_arguments << parser.value(flag.option);
        }
    }
    return true;
}

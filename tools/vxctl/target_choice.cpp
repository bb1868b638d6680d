#include "target_choice.h"

#include "command_table.h"
#include "global_options.h"
#include "regular_file.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QRegularExpression>
#include <QtCore/QStandardPaths>

#include <cmath>

namespace {

QString tr(const char *text)
{
    return GlobalOptions::tr(text);
}

QString option_name(const QCommandLineOption &option)
{
    return QStringLiteral("--") + option.names().constFirst();
}

// "target=" of the config file: empty when there is no file or no such
// line; false with the error for a file that is no regular file, a line
// that is not "key=value" or an unknown key. A "#" at the start of a line
// or after white space starts a comment.
bool configured_target(QString *text, QString *error)
{
    const QString path = config_file_path();
    if (!QFileInfo::exists(path))
        return true;
    QFile file;
    if (!open_regular_file(file, path, error))
        return false;
    static const QRegularExpression comment(QStringLiteral("(^|\\s)#.*$"));
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(file.readLine()).remove(comment).trimmed();
        if (line.isEmpty())
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || line.left(equals).trimmed() != QLatin1String("target")) {
            *error = tr("%1:%2: only \"target = tcp:HOST[:PORT] | usb:PATH | sim\" is known").arg(path).arg(number);
            return false;
        }
        *text = line.mid(equals + 1).trimmed();
    }
    return true;
}

QString simulator_value_error(const QCommandLineParser &parser, const GlobalOptions &options)
{
    if (parser.isSet(options.sim_speed)) {
        bool ok = false;
        const double speed = parser.value(options.sim_speed).toDouble(&ok);
        if (!ok || !std::isfinite(speed) || speed < 0 || speed > 100000)
            return tr("--sim-speed takes mm/s from 0 to 100000");
    }
    for (const QCommandLineOption *count : {&options.sim_stop, &options.sim_drop, &options.sim_refuse}) {
        bool ok = false;
        if (parser.isSet(*count) && (parser.value(*count).toInt(&ok) < 1 || !ok))
            return tr("%1 takes a whole number from 1").arg(option_name(*count));
    }
    if (parser.isSet(options.sim_progress)) {
        bool ok = false;
        const int ms = parser.value(options.sim_progress).toInt(&ok);
        if (!ok || ms < 0 || ms > 86400000)
            return tr("--sim-progress-interval takes ms from 0 to 86400000");
    }
    return QString();
}

} // namespace

QString config_file_path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/vxctl/config");
}

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

    if (choice->source == TargetChoice::Implicit) {
        QString text = qEnvironmentVariable("VXCTL_TARGET");
        QString origin = QStringLiteral("VXCTL_TARGET");
        choice->source = TargetChoice::Environment;
        if (text.isEmpty()) {
            if (!configured_target(&text, error))
                return false;
            origin = config_file_path();
            choice->source = TargetChoice::ConfigFile;
        }
        if (text.isEmpty()) {
            choice->source = TargetChoice::Implicit;
        } else if (!Target::parse(text, &target)) {
            *error = tr("%1: \"%2\" is not tcp:HOST[:PORT], usb:PATH or sim").arg(origin, text);
            return false;
        }
    }

    for (const GlobalOptions::SimulatorFlag &flag : options.simulator_flags()) {
        // A replay answers as the recording did, faults included.
        if (parser.isSet(*flag.option) && parser.isSet(options.sim_replay)) {
            *error = tr("%1 does not apply to --sim-replay").arg(option_name(*flag.option));
            return false;
        }
        if (parser.isSet(*flag.option) && target.kind != Target::Simulator) {
            *error = tr("%1 needs the simulator, but the machine is %2")
                         .arg(option_name(*flag.option), target.describe());
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
        for (const GlobalOptions::SimulatorFlag &flag : options.simulator_flags()) {
            if (!parser.isSet(*flag.option))
                continue;
            target.simulator_arguments << QString::fromLatin1(flag.flag);
            if (!flag.option->valueName().isEmpty())
                target.simulator_arguments << parser.value(*flag.option);
        }
    }
    return true;
}

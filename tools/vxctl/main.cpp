// vxctl: a small host for the device plugin, using it only through the
// plugin loader and the device interface, as a host application would.
#include "command_line_target.h"
#include "command_table.h"
#include "device_session.h"
#include "global_options.h"
#include "job_lock.h"
#include "log_file.h"
#include "plugin_host.h"
#include "trace_capture.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QScopedPointer>
#include <QtCore/QTextStream>
#include <QtWidgets/QApplication>

namespace {

bool has_argument(int argc, char **argv, const char *argument)
{
    const QByteArray with_value = QByteArray(argument) + '=';
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == argument || arg.startsWith(with_value))
            return true;
    }
    return false;
}

// The application is made before the command line is parsed: a command
// that shows a window is looked for among the raw arguments.
bool needs_window(int argc, char **argv)
{
    for (const Command &command : commands()) {
        if (command.application == Command::Window && has_argument(argc, argv, command.name))
            return true;
    }
    return false;
}

// An SVG drawing is drawn by Qt's SVG module, whose text needs fonts: a
// GUI application, offscreen.
bool names_drawing(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]).toLower().endsWith(".svg"))
            return true;
    }
    return false;
}

// The command line's fault, found before anything is loaded.
QString argument_error(const Command &command, const Invocation &call)
{
    const int count = call.arguments.size();
    if (count < command.arguments.min || count > command.arguments.max)
        return QString::fromLatin1(command.arguments.error);
    return command.check ? command.check(call) : QString();
}

constexpr int kLongestTimeoutSeconds = 86400;

// Seconds, finite and in range, as milliseconds; at least 1 ms.
bool parse_timeout(const QString &text, int *timeout_ms)
{
    bool ok = false;
    const double seconds = text.toDouble(&ok);
    if (!ok || !(seconds > 0.0) || !(seconds <= kLongestTimeoutSeconds))
        return false;
    *timeout_ms = qMax(1, int(seconds * 1000));
    return true;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("vxctl", text);
}

const char *const kTargetsAndExamples =
    "The machine is a controller on the network (--tcp HOST[:PORT], port 9100 by\n"
    "default), a USB device (--usb PATH) or the simulator (--sim); without one,\n"
    "VXCTL_TARGET or \"target=\" in ~/.config/vxctl/config (tcp:HOST[:PORT],\n"
    "usb:PATH, link:KIND:ADDRESS for another of the plugin's links, or sim)\n"
    "names it, else get, settings and info use the simulator.\n"
    "\n"
    "Exit status: 0 done, 1 the machine or a file failed, 2 a wrong command line,\n"
    "130 stopped by you.\n"
    "\n"
    "Examples:\n"
    "  vxctl --sim job samples/box.plt --copies 2\n"
    "  vxctl --tcp 192.168.1.50 get --all\n"
    "  vxctl --usb /dev/ttyACM0 set SPEED=200 CAMERA_OFFSET=0.5,-20\n"
    "  vxctl --trace job.trace --sim job samples/box.plt; vxctl trace show job.trace\n"
    "  vxctl settings --screenshot docs\n"
    "  vxctl cloud --outbox ~/.local/share/Host/cloud-outbox.sqlite list";

// The help text above the options, with the commands' synopses in two columns.
QString description()
{
    QString text = tr("Drives a VX-LT3050PROCam cutter through its device plugin.\n\nCommands:\n");
    for (const Command &command : commands()) {
        for (const QString &line : tr(command.synopsis).split(QLatin1Char('\n'))) {
            const QString usage = line.section(QLatin1Char('\t'), 0, 0);
            text += QStringLiteral("  ") + usage.leftJustified(22) + line.section(QLatin1Char('\t'), 1)
                + QLatin1Char('\n');
        }
    }
    return text + QLatin1Char('\n') + tr(kTargetsAndExamples);
}

QString command_names()
{
    QStringList names;
    for (const Command &command : commands())
        names << QString::fromLatin1(command.name);
    const QString last = names.takeLast();
    return tr("%1 or %2.").arg(names.join(QStringLiteral(", ")), last);
}

// Only a command with a window needs widgets; the others keep running
// without a display. Screenshots are drawn offscreen, and so is a window
// without a display, which the command then declines.
QCoreApplication *make_application(int &argc, char **argv)
{
    const bool window = needs_window(argc, argv);
    // Fonts need a QGuiApplication: for a picture, and for the text of a
    // drawing; both are drawn offscreen.
    const bool fonts = has_argument(argc, argv, "--picture") || names_drawing(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        && (fonts
            || (window && (has_argument(argc, argv, "--screenshot")
                           || (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))))))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (window)
        return new QApplication(argc, argv);
    return fonts ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv);
}

// The command line's fault for the command, or an empty text; the machine
// it names goes into *choice.
QString command_line_error(const Command &command, Invocation &call, const GlobalOptions &options, bool offline,
                           TargetChoice *choice)
{
    if (!parse_timeout(call.options.value(options.timeout), &call.timeout_ms))
        return tr("--timeout takes seconds, more than 0 and up to %1").arg(kLongestTimeoutSeconds);
    QString error = argument_error(command, call);
    if (error.isEmpty())
        error = options.misplaced(call.options, command);
    if (error.isEmpty() && command.uses_device() && !offline)
        choose_target(call.options, options, command, choice, &error);
    return error;
}

// With the plugin loaded: connected to the machine, the command run on it.
int run_on_machine(const Command &command, Invocation &call, TargetChoice &choice)
{
    QTextStream &err = call.err;
    QString error;
    JobLock lock; // released after the session: its link closes first
    DeviceSession session(call.host->root());
    call.session = &session;
    error = command.check_device && session.device() ? command.check_device(call) : QString();
    if (!error.isEmpty()) {
        err << "vxctl: " << error << '\n';
        return 2;
    }
    Target &target = choice.target;
    if (target.kind == Target::Simulator && command.simulator_arguments)
        target.simulator_arguments << command.simulator_arguments(call);
    // Taken before connecting: the connection itself would take the link
    // over from a job running on the machine. Each simulator run is a
    // machine of its own.
    if (command.needs == Command::DeviceToChange && target.kind != Target::Simulator
        && !lock.take(target, (QStringList{QString::fromLatin1(command.name)} + call.arguments).join(QLatin1Char(' ')),
                      &error)) {
        err << "vxctl: " << error << '\n';
        return 1;
    }
    if (choice.source == TargetChoice::Implicit)
        err << "vxctl: no machine named: using the built-in simulator\n";
    err.flush();
    if (!session.open(target, qMax(call.timeout_ms, 1000), &error)) {
        err << "vxctl: " << error << '\n';
        return 1;
    }
    qCInfo(lcCtl).noquote() << "connected to" << session.target().describe();
    return command.run(call);
}

// The trace started and the plugin loaded; the command run with it.
int run_with_plugin(const Command &command, Invocation &call, const GlobalOptions &options, TargetChoice &choice)
{
    QString error;
    TraceCapture trace; // outlives the device, whose recording it keeps
    if (call.options.isSet(options.trace) && !trace.start(call.options.value(options.trace), &error)) {
        call.err << "vxctl: " << error << '\n';
        return 1;
    }
    PluginHost host;
    if (!host.load(call.options.isSet(options.plugin) ? call.options.value(options.plugin)
                                                      : PluginHost::default_plugin_path())) {
        call.err << "vxctl: " << host.error() << '\n';
        return 1;
    }
    call.host = &host;
    if (command.needs == Command::Plugin)
        return command.run(call);
    return run_on_machine(command, call, choice);
}

} // namespace

int main(int argc, char **argv)
{
    keep_qt_notes_off_terminal();
    QScopedPointer<QCoreApplication> app(make_application(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("vxctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VX_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const GlobalOptions options;
    options.add_to(parser);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), command_names());
    if (!parser.parse(QCoreApplication::arguments())) {
        err << "vxctl: " << parser.errorText() << " (try vxctl help)\n";
        return 2;
    }
    if (parser.isSet(options.help)) {
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty()) {
        err << "vxctl: no command given\n" << parser.helpText();
        return 2;
    }
    const Command *command = find_command(args.first());
    if (!command) {
        err << "vxctl: unknown command " << args.first() << " (try vxctl help)\n";
        return 2;
    }
    Invocation call{args.mid(1), parser, out, err};
    const bool offline = command->runs_offline && command->runs_offline(call);
    TargetChoice choice;
    QString error = command_line_error(*command, call, options, offline, &choice);
    if (!error.isEmpty()) {
        err << "vxctl: " << error << '\n';
        return 2;
    }
    if (command->application == Command::Window && !parser.isSet(QStringLiteral("screenshot"))
        && QGuiApplication::platformName() == QLatin1String("offscreen")) {
        err << "vxctl: " << command->name << " needs a display and there is none (--screenshot DIR draws the pages into files)\n";
        return 1;
    }
    if (parser.isSet(options.log) && !start_log_file(parser.value(options.log), &error)) {
        err << "vxctl: " << error << '\n';
        return 1;
    }
    qCInfo(lcCtl).noquote() << "command" << QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
    if (command->needs == Command::Nothing || offline)
        return command->run(call);
    return run_with_plugin(*command, call, options, choice);
}

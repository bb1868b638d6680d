// vxctl: a small host for the device plugin, using it only through the
// plugin loader and the device interface, as a host application would.
#include "command_table.h"
#include "device_session.h"
#include "plugin_host.h"
#include "target.h"

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
    "The machine is the simulator (--sim, the default), a controller on the\n"
    "network (--tcp HOST[:PORT], port 9100 by default) or a USB device (--usb PATH).\n"
    "\n"
    "Examples:\n"
    "  vxctl job samples/box.plt --copies 2\n"
    "  vxctl --tcp 192.168.1.50 get --all\n"
    "  vxctl --usb /dev/ttyACM0 set SPEED=200 CAMERA_OFFSET=0.5,-20\n"
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

} // namespace

int main(int argc, char **argv)
{
    // Only a command with a window needs widgets; the others keep running
    // without a display, and screenshots are drawn offscreen.
    if (has_argument(argc, argv, "--screenshot") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QScopedPointer<QCoreApplication> app(needs_window(argc, argv) ? new QApplication(argc, argv)
                                                                   : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("vxctl"));

    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    parser.addHelpOption();
    const QCommandLineOption plugin_option(QStringLiteral("plugin"), tr("The plugin file to load."),
                                           QStringLiteral("path"), PluginHost::default_plugin_path());
    const QCommandLineOption tcp_option(QStringLiteral("tcp"), tr("A controller on the network."),
                                        QStringLiteral("host[:port]"));
    const QCommandLineOption usb_option(QStringLiteral("usb"), tr("A controller on a USB device path."),
                                        QStringLiteral("path"));
    const QCommandLineOption sim_option(QStringLiteral("sim"), tr("Start the controller simulator (default)."));
    const QCommandLineOption sim_speed_option(QStringLiteral("sim-speed"),
                                              tr("Simulator cutting speed in mm/s (0: instant)."),
                                              QStringLiteral("mm/s"), QStringLiteral("0"));
    const QCommandLineOption sim_stop_option(QStringLiteral("sim-stop-after"),
                                             tr("Simulator: press stop on the machine after n pages."),
                                             QStringLiteral("n"));
    const QCommandLineOption sim_drop_option(QStringLiteral("sim-drop-after"),
                                             tr("Simulator: drop the link after n pages."), QStringLiteral("n"));
    const QCommandLineOption timeout_option(QStringLiteral("timeout"),
                                            tr("Seconds to wait for the machine to answer; in a job, the longest silence accepted."),
                                            QStringLiteral("s"), QStringLiteral("5"));
    parser.addOptions({plugin_option, tcp_option, usb_option, sim_option, sim_speed_option, sim_stop_option,
                       sim_drop_option, timeout_option});
    for (const Command &command : commands()) {
        for (const CommandOption &option : command.options) {
            if (option.name) {
                parser.addOption(QCommandLineOption(QString::fromLatin1(option.name), tr(option.description),
                                                    QString::fromLatin1(option.value_name),
                                                    QString::fromLatin1(option.default_value)));
            }
        }
    }
    parser.addPositionalArgument(QStringLiteral("command"), command_names());
    parser.process(*app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = parser.positionalArguments();
    const QString name = args.value(0, QString::fromLatin1(commands().first().name));
    const Command *command = find_command(name);
    if (!command) {
        err << "vxctl: unknown command " << name << " (try --help)\n";
        return 2;
    }
    Invocation call{args.mid(1), parser, out, err};
    if (!parse_timeout(parser.value(timeout_option), &call.timeout_ms)) {
        err << "vxctl: --timeout takes seconds, more than 0 and up to " << kLongestTimeoutSeconds << '\n';
        return 2;
    }
    const QString error = argument_error(*command, call);
    if (!error.isEmpty()) {
        err << "vxctl: " << error << '\n';
        return 2;
    }
    if (command->needs == Command::Nothing || (command->runs_offline && command->runs_offline(call)))
        return command->run(call);

    Target target;
    if (parser.isSet(tcp_option) && !Target::parse_tcp(parser.value(tcp_option), &target)) {
        err << "vxctl: --tcp takes HOST or HOST:PORT\n";
        return 2;
    }
    if (parser.isSet(usb_option)) {
        target.kind = Target::Usb;
        target.usb_path = parser.value(usb_option);
    }
    if (target.kind == Target::Simulator) {
        target.simulator_arguments << QStringLiteral("--speed") << parser.value(sim_speed_option);
        if (parser.isSet(sim_stop_option))
            target.simulator_arguments << QStringLiteral("--machine-stop-after") << parser.value(sim_stop_option);
        if (parser.isSet(sim_drop_option))
            target.simulator_arguments << QStringLiteral("--drop-after") << parser.value(sim_drop_option);
        if (command->simulator_arguments)
            target.simulator_arguments << command->simulator_arguments(call);
    }

    PluginHost host;
    if (!host.load(parser.value(plugin_option))) {
        err << "vxctl: " << host.error() << '\n';
        return 1;
    }
    call.host = &host;
    if (command->needs == Command::Plugin)
        return command->run(call);

    DeviceSession session(host.root());
    QString failure;
    if (!session.open(target, qMax(call.timeout_ms, 1000), &failure)) {
        err << "vxctl: " << failure << '\n';
        return 1;
    }
    call.session = &session;
    return command->run(call);
}

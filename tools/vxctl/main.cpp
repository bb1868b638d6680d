// vxctl: a small host for the device plugin, using it only through the
// plugin loader and the device interface, as a host application would.
#include "cloud_command.h"
#include "device_session.h"
#include "info_command.h"
#include "job_command.h"
#include "plugin_host.h"
#include "property_io.h"
#include "settings_pages.h"
#include "target.h"
#include "value_commands.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>
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

QString tr(const char *text)
{
    return QCoreApplication::translate("vxctl", text);
}

const char *const kDescription =
    "Drives a VX-LT3050PROCam cutter through its device plugin.\n"
    "\n"
    "Commands:\n"
    "  info                  the plugin, the model and every property with its frames\n"
    "  get KEY... | --all    read settings from the machine\n"
    "  set KEY=VALUE...      write settings and read them back\n"
    "  job FILE              cut a plotter file with live progress\n"
    "                        (Ctrl-C or s stops, p pauses, r resumes)\n"
    "  settings              the user and system settings pages, in a window or\n"
    "                        as PNG files with --screenshot DIR\n"
    "  cloud list            what a host's cloud outbox holds (--outbox FILE)\n"
    "  cloud retry ID...|all dead letters wait for delivery again\n"
    "  cloud purge ID...|all dead letters are deleted\n"
    "\n"
    "The machine is the simulator (--sim, the default), a controller on the\n"
    "network (--tcp HOST[:PORT], port 9100 by default) or a USB device (--usb PATH).\n"
    "\n"
    "Examples:\n"
    "  vxctl job samples/box.plt --copies 2\n"
    "  vxctl --tcp 192.168.1.50 get --all\n"
    "  vxctl --usb /dev/ttyACM0 set SPEED=200 CAMERA_OFFSET=0.5,-20\n"
    "  vxctl settings --screenshot docs\n"
    "  vxctl cloud --outbox ~/.local/share/Host/cloud-outbox.sqlite list";

} // namespace

int main(int argc, char **argv)
{
    // Only the settings window needs widgets; the other commands keep
    // running without a display, and screenshots are drawn offscreen.
    if (has_argument(argc, argv, "--screenshot") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QScopedPointer<QCoreApplication> app(has_argument(argc, argv, "settings")
                                             ? new QApplication(argc, argv)
                                             : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("vxctl"));

    QCommandLineParser parser;
    parser.setApplicationDescription(tr(kDescription));
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
    const QCommandLineOption all_option(QStringLiteral("all"), tr("get: every readable setting."));
    const QCommandLineOption copies_option(QStringLiteral("copies"), tr("job: copies to cut."),
                                           QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption mode_option(QStringLiteral("mode"), tr("job: 0 plotter job, 1 QR-code job."),
                                         QStringLiteral("0|1"), QStringLiteral("0"));
    const QCommandLineOption timeout_option(QStringLiteral("timeout"),
                                            tr("Seconds to wait for the machine to answer."),
                                            QStringLiteral("s"), QStringLiteral("5"));
    const QCommandLineOption screenshot_option(QStringLiteral("screenshot"),
                                               tr("settings: write the pages as PNG files into the directory."),
                                               QStringLiteral("dir"));
    const QCommandLineOption outbox_option(QStringLiteral("outbox"), tr("cloud: the host's outbox file."),
                                           QStringLiteral("file"));
    const QCommandLineOption cloud_service_option(
        QStringLiteral("cloud-service"), tr("cloud retry: the service for entries recorded without one."),
        QStringLiteral("url"));
    parser.addOptions({plugin_option, tcp_option, usb_option, sim_option, sim_speed_option, sim_stop_option,
                       sim_drop_option, all_option, copies_option, mode_option, timeout_option,
                       screenshot_option, outbox_option, cloud_service_option});
    parser.addPositionalArgument(QStringLiteral("command"), tr("info, get, set, job, settings or cloud."));
    parser.process(*app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0, QStringLiteral("info"));
    static const QStringList commands{"info", "get", "set", "job", "settings", "cloud"};
    if (!commands.contains(command)) {
        err << "vxctl: unknown command " << command << " (try --help)\n";
        return 2;
    }
    if (command == QLatin1String("cloud")) // no plugin and no machine needed
        return run_cloud(parser.value(outbox_option), args.mid(1), parser.value(cloud_service_option), out, err);

    bool ok = false;
    const int timeout_ms = int(parser.value(timeout_option).toDouble(&ok) * 1000);
    const int copies = parser.value(copies_option).toInt(&ok);
    if (!ok || copies < 1) {
        err << "vxctl: --copies takes a whole number from 1\n";
        return 2;
    }
    const int mode = parser.value(mode_option).toInt(&ok);
    if (!ok || (mode != 0 && mode != 1)) {
        err << "vxctl: --mode takes 0 or 1\n";
        return 2;
    }
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
        if (command == QLatin1String("job") && args.size() > 1) // the name its progress reports carry
            target.simulator_arguments << QStringLiteral("--file-name") << QFileInfo(args.at(1)).fileName();
    }

    PluginHost host;
    if (!host.load(parser.value(plugin_option))) {
        err << "vxctl: " << host.error() << '\n';
        return 1;
    }
    if (command == QLatin1String("info"))
        return run_info(host, out);

    DeviceSession session(host.root());
    QString error;
    if (!session.open(target, qMax(timeout_ms, 1000), &error)) {
        err << "vxctl: " << error << '\n';
        return 1;
    }
    if (command == QLatin1String("get"))
        return run_get(session, args.mid(1), parser.isSet(all_option), timeout_ms, out, err);
    if (command == QLatin1String("set"))
        return run_set(session, args.mid(1), timeout_ms, out, err);
    if (command == QLatin1String("settings")) {
        // The pages show what the machine holds.
        read_values(session.device(), readable_settings(session.device()), timeout_ms);
        return run_settings(session.device(), parser.value(screenshot_option), out, err);
    }

    if (args.size() != 2) {
        err << "vxctl: job takes one plotter file\n";
        return 2;
    }
    JobOptions job;
    job.file = args.at(1);
    job.copies = copies;
    job.mode = mode;
    job.idle_timeout_ms = qMax(timeout_ms * 6, 30000);
    return run_job(session, job, out, err);
}

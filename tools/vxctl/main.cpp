// vxctl: a small host for the device plugin, using it only through the
// plugin loader and the device interface, as a host application would.
#include "info_command.h"
#include "plugin_host.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vxctl"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "vxctl", "Drives a VX-LT3050PROCam cutter through its device plugin.\n\n"
                 "Commands:\n"
                 "  info    the plugin, the model and every property with its frames\n\n"
                 "Example:\n"
                 "  vxctl info"));
    parser.addHelpOption();
    const QCommandLineOption plugin_option(
        QStringLiteral("plugin"), QCoreApplication::translate("vxctl", "The plugin file to load."),
        QStringLiteral("path"), PluginHost::default_plugin_path());
    parser.addOption(plugin_option);
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QCoreApplication::translate("vxctl", "What to do: info."));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0, QStringLiteral("info"));
    if (command != QLatin1String("info")) {
        err << "vxctl: unknown command " << command << " (try --help)\n";
        return 2;
    }

    PluginHost host;
    if (!host.load(parser.value(plugin_option))) {
        err << "vxctl: " << host.error() << '\n';
        return 1;
    }
    return run_info(host, out);
}

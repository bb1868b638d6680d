// vxctl: a small host for the device plugin, using it only through the
// plugin loader and the device interface, as a host application would.
#include "info_command.h"
#include "plugin_host.h"
#include "settings_pages.h"

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
    parser.setApplicationDescription(QCoreApplication::translate(
        "vxctl", "Drives a VX-LT3050PROCam cutter through its device plugin.\n\n"
                 "Commands:\n"
                 "  info      the plugin, the model and every property with its frames\n"
                 "  settings  the user and system settings pages, in a window or as\n"
                 "            PNG files with --screenshot\n\n"
                 "Examples:\n"
                 "  vxctl info\n"
                 "  vxctl settings --screenshot docs"));
    parser.addHelpOption();
    const QCommandLineOption plugin_option(
        QStringLiteral("plugin"), QCoreApplication::translate("vxctl", "The plugin file to load."),
        QStringLiteral("path"), PluginHost::default_plugin_path());
    parser.addOption(plugin_option);
    const QCommandLineOption screenshot_option(
        QStringLiteral("screenshot"),
        QCoreApplication::translate("vxctl", "settings: write the pages as PNG files into the directory."),
        QStringLiteral("dir"));
    parser.addOption(screenshot_option);
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QCoreApplication::translate("vxctl", "What to do: info or settings."));
    parser.process(*app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0, QStringLiteral("info"));
    const bool settings = command == QLatin1String("settings");
    if (command != QLatin1String("info") && !settings) {
        err << "vxctl: unknown command " << command << " (try --help)\n";
        return 2;
    }

    PluginHost host;
    if (!host.load(parser.value(plugin_option))) {
        err << "vxctl: " << host.error() << '\n';
        return 1;
    }
    if (settings)
        return run_settings(host, parser.value(screenshot_option), out, err);
    return run_info(host, out);
}

// vxstudio: the operator's console of the cutter.
#include "console_translation.h"
#include "main_window.h"
#include "plugin_host.h"
#include "screenshot_driver.h"
#include "widgets/queue_panel.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QLocale>
#include <QtCore/QTimer>
#include <QtGui/QIcon>
#include <QtWidgets/QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("vx-lt3050procam"));
    QApplication::setApplicationName(QStringLiteral("vxstudio"));
    QApplication::setApplicationVersion(QStringLiteral(VX_VERSION));
    // Before any text is made; none for English, which the texts are written in.
    install_console_translation(app, QLocale::system().name());
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("vxstudio"), QIcon(QStringLiteral(":/vxstudio.svg"))));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "The operator's console of the VX-LT3050PROCam cutter: open a design, cut it on the machine\n"
                "(or the simulator) and follow what the machine confirms. The machine is chosen in the\n"
                "Machine menu and remembered."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption plugin(QStringLiteral("plugin"), QCoreApplication::translate("main", "The device plugin to load."),
                                    QStringLiteral("FILE"), PluginHost::default_plugin_path());
    // For scripts/screenshots: takes the pictures of the documentation and quits.
    QCommandLineOption screenshots(QStringLiteral("screenshots"), QString(), QStringLiteral("DIR"));
    screenshots.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(plugin);
    parser.addOption(screenshots);
    parser.addPositionalArgument(QStringLiteral("FILE"), QCoreApplication::translate("main", "A design to open (plotter text or SVG)."),
                                 QStringLiteral("[FILE...]"));
    parser.process(app);

    MainWindow window(parser.value(plugin));
    window.show();
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(screenshots)) {
        auto *driver = new ScreenshotDriver(window, parser.value(screenshots), files);
        QTimer::singleShot(0, driver, &ScreenshotDriver::run);
        return app.exec();
    }
    QTimer::singleShot(0, &window, [&window, files] {
        // One design is opened; more go into the queue.
        if (files.size() == 1)
            window.open_file(files.first());
        for (const QString &file : files.size() > 1 ? files : QStringList())
            window.queue()->add(file, 1);
        window.connect_machine();
    });
    return app.exec();
}

#include "controller_simulator.h"
#include "quit_on_signal.h"
#include "usage_text.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QLoggingCategory>
#include <QtCore/QTextStream>

#include <optional>

using vx::sim::ControllerSimulator;
using vx::sim::SimulatorOptions;

namespace {

struct CommandLine
{
    SimulatorOptions options;
    quint16 port = 9100;
    QHostAddress address{QHostAddress::LocalHost};
    bool pty = false;
};

std::optional<int> non_negative(const QCommandLineParser &parser, const QString &name, int max)
{
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < 0 || value > max)
        return std::nullopt;
    return value;
}

std::optional<CommandLine> parse_command_line(const QCoreApplication &app, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(vx::sim::usage_description());
    parser.addHelpOption();
    parser.addOptions({
        {"port", "TCP port to listen on; 0 picks a free one.", "N", "9100"},
        {"bind", "Address to listen on.", "ADDRESS", "127.0.0.1"},
        {"pty", "Also serve on a pseudo-terminal."},
        {"verbose", "Log every frame and state change (category vx.sim) to stderr."},
        {"speed", "Cut at MMPS mm/s instead of at once.", "MMPS", "0"},
        {"file-name", "FileName in the progress reports.", "NAME", "job.plt"},
        {"split", "Write each frame in chunks of N bytes, 1 ms apart.", "N", "0"},
        {"noise", "Garbage bytes between frames, some with a stray STX."},
        {"duplicate-progress", "Send every progress report twice."},
        {"drop-after", "Close the TCP client after N finished pages.", "N", "0"},
        {"machine-stop-after", "After N finished pages, stop the job as the machine's stop "
                               "key does and report 1001.", "N", "0"},
    });
    parser.process(app);

    if (!parser.isSet("verbose"))
        QLoggingCategory::setFilterRules(QStringLiteral("vx.sim.debug=false"));

    CommandLine line;
    const std::optional<int> port = non_negative(parser, "port", 65535);
    const std::optional<int> split = non_negative(parser, "split", 1 << 20);
    const std::optional<int> dropAfter = non_negative(parser, "drop-after", 1 << 30);
    const std::optional<int> stopAfter = non_negative(parser, "machine-stop-after", 1 << 30);
    bool speedOk = false;
    line.options.cutSpeedMmPerSecond = parser.value("speed").toDouble(&speedOk);
    line.options.fileName = parser.value("file-name").toUtf8();

    if (!port || !split || !dropAfter || !stopAfter) {
        *error = "--port, --split, --drop-after and --machine-stop-after take whole numbers";
        return std::nullopt;
    }
    if (!speedOk || line.options.cutSpeedMmPerSecond < 0.0) {
        *error = "--speed takes a number of mm/s, 0 or more";
        return std::nullopt;
    }
    // The name is one item of a comma list inside a frame.
    if (line.options.fileName.contains(',') || line.options.fileName.contains(';')
        || line.options.fileName.contains('\x02') || line.options.fileName.contains('\x03')) {
        *error = "--file-name must not contain ',' ';' STX or ETX";
        return std::nullopt;
    }
    if (!line.address.setAddress(parser.value("bind"))) {
        *error = "--bind takes an IP address";
        return std::nullopt;
    }
    line.port = quint16(*port);
    line.pty = parser.isSet("pty");
    line.options.splitChunkBytes = *split;
    line.options.noise = parser.isSet("noise");
    line.options.duplicateProgress = parser.isSet("duplicate-progress");
    line.options.dropAfterPages = *dropAfter;
    line.options.machineStopAfterPages = *stopAfter;
    return line;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    app.setApplicationName("vxsim");
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString error;
    const std::optional<CommandLine> line = parse_command_line(app, &error);
    if (!line) {
        err << "vxsim: " << error << Qt::endl;
        return 2;
    }

    ControllerSimulator simulator(line->options);
    const quint16 port = simulator.listen(line->port, line->address);
    if (port == 0) {
        err << "vxsim: cannot listen: " << simulator.errorString() << Qt::endl;
        return 1;
    }
    out << "listening " << line->address.toString() << ':' << port << Qt::endl;
    if (line->pty) {
        const QString slave = simulator.openPty();
        if (slave.isEmpty()) {
            err << "vxsim: cannot open a pseudo-terminal: " << simulator.errorString() << Qt::endl;
            return 1;
        }
        out << "pty " << slave << Qt::endl;
    }

    if (!vx::sim::quit_on_termination_signals())
        err << "vxsim: SIGINT and SIGTERM are not handled" << Qt::endl;
    return app.exec();
}

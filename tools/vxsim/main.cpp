#include "controller_simulator.h"
#include "quit_on_signal.h"
#include "replay_controller.h"
#include "simulator_faults.h"
#include "usage_text.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QLoggingCategory>
#include <QtCore/QTextStream>

#include <memory>
#include <optional>
#include <vector>

using vx::sim::ControllerSimulator;
using vx::sim::SimulatorFault;
using vx::sim::SimulatorOptions;

namespace {

struct CommandLine
{
    SimulatorOptions options;
    quint16 port = 9100;
    QHostAddress address{QHostAddress::LocalHost};
    bool pty = false;
    int machines = 1;
    QString replay; // a trace to act out instead of the simulated machine
    bool fast = false;
};

std::optional<int> non_negative(const QCommandLineParser &parser, const QString &name, int max)
{
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < 0 || value > max)
        return std::nullopt;
    return value;
}

void add_options(QCommandLineParser &parser)
{
    parser.setApplicationDescription(vx::sim::usage_description());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {"port", "TCP port to listen on; 0 picks a free one.", "N", "9100"},
        {"bind", "Address to listen on.", "ADDRESS", "127.0.0.1"},
        {"pty", "Also serve on a pseudo-terminal."},
        {"verbose", "Log every frame and state change (category vx.sim) to stderr."},
        {"file-name", "FileName in the progress reports.", "NAME", "job.plt"},
    });
    for (const SimulatorFault &fault : vx::sim::simulator_faults()) {
        parser.addOption(fault.value_name ? QCommandLineOption(fault.flag, fault.help, QString(fault.value_name).toUpper(),
                                                               fault.default_value())
                                          : QCommandLineOption(fault.flag, fault.help));
    }
    parser.addOptions({
        {"qr-codes", "In QR-code mode report these codes in turn (and round again), each "
                     "answered with the pages to cut.", "A1,B2,..."},
        {"machines", "Serve N independent machines, each on its own port (the ports from --port "
                     "up, or free ones with --port 0) and pseudo-terminal.", "N", "1"},
        {"replay", "Act as the controller recorded in a trace file (TCP only): answer each "
                   "request as it was answered there.", "FILE"},
        {"fast", "--replay: answer at once instead of after the recorded delays."},
    });
}

// The options of the simulated machine itself.
bool read_machine_options(const QCommandLineParser &parser, SimulatorOptions *options, QString *error)
{
    for (const SimulatorFault &fault : vx::sim::simulator_faults()) {
        const QString value = parser.value(fault.flag);
        *error = fault.value_error(value, QStringLiteral("--") + fault.flag);
        if (!error->isEmpty())
            return false;
        if (parser.isSet(fault.flag))
            fault.apply(*options, value);
    }
    if (parser.isSet("qr-codes")) {
        options->qr_codes = parser.value("qr-codes").toUtf8().split(',');
        for (const QByteArray &code : options->qr_codes) {
            // A code is the last item of a reply frame.
            if (code.isEmpty() || code.contains(';') || code.contains('\x02') || code.contains('\x03')) {
                *error = "--qr-codes takes codes separated by commas, without ';' STX or ETX";
                return false;
            }
        }
    }
    options->file_name = parser.value("file-name").toUtf8();
    // The name is one item of a comma list inside a frame.
    if (options->file_name.contains(',') || options->file_name.contains(';')
        || options->file_name.contains('\x02') || options->file_name.contains('\x03')) {
        *error = "--file-name must not contain ',' ';' STX or ETX";
        return false;
    }
    if (options->reset_on_drop && options->drop_after_pages == 0) {
        *error = "--reset goes with --drop-after N";
        return false;
    }
    return true;
}

std::optional<CommandLine> parse_command_line(const QCoreApplication &app, QString *error)
{
    QCommandLineParser parser;
    add_options(parser);
    parser.process(app);

    if (!parser.isSet("verbose"))
        QLoggingCategory::setFilterRules(QStringLiteral("vx.sim.debug=false"));

    CommandLine line;
    if (!read_machine_options(parser, &line.options, error))
        return std::nullopt;
    const std::optional<int> port = non_negative(parser, "port", 65535);
    const std::optional<int> machines = non_negative(parser, "machines", 1000);
    if (!port) {
        *error = "--port takes a whole number from 0 to 65535";
        return std::nullopt;
    }
    if (!machines || *machines < 1 || (*port != 0 && *port + *machines - 1 > 65535)) {
        *error = "--machines takes a number from 1 to 1000, and its ports must end by 65535";
        return std::nullopt;
    }
    if (!line.address.setAddress(parser.value("bind"))) {
        *error = "--bind takes an IP address";
        return std::nullopt;
    }
    line.port = quint16(*port);
    line.pty = parser.isSet("pty");
    line.machines = *machines;
    line.replay = parser.value("replay");
    line.fast = parser.isSet("fast");
    if (line.replay.isEmpty() && line.fast) {
        *error = "--fast goes with --replay FILE";
        return std::nullopt;
    }
    if (!line.replay.isEmpty() && (line.pty || line.machines > 1)) {
        *error = "--replay serves one machine on TCP: not with --pty or --machines";
        return std::nullopt;
    }
    return line;
}

// The recorded controller; what it was not asked in the recording goes to stderr.
int replay(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    vx::sim::ReplayController controller(line.fast);
    QString error;
    QString warning;
    if (!controller.load(line.replay, &error, &warning)) {
        err << "vxsim: " << error << Qt::endl;
        return 1;
    }
    if (!warning.isEmpty())
        err << "vxsim: warning: " << warning << Qt::endl;
    QObject::connect(&controller, &vx::sim::ReplayController::unexpected_request,
                     [&err](const QByteArray &frame, const QString &what) {
                         QByteArray shown = frame.left(80).replace('\x02', "<STX>").replace('\x03', "<ETX>");
                         err << "vxsim: replay: " << what << ": " << QString::fromUtf8(shown)
                             << (frame.size() > 80 ? "..." : "") << Qt::endl;
                     });
    const quint16 port = controller.listen(line.port, line.address);
    if (port == 0) {
        err << "vxsim: cannot listen: " << controller.error_string() << Qt::endl;
        return 1;
    }
    out << "listening " << line.address.toString() << ':' << port << Qt::endl;
    if (!vx::sim::quit_on_termination_signals())
        err << "vxsim: SIGINT and SIGTERM are not handled" << Qt::endl;
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    app.setApplicationName("vxsim");
    app.setApplicationVersion(QStringLiteral(VX_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString error;
    const std::optional<CommandLine> line = parse_command_line(app, &error);
    if (!line) {
        err << "vxsim: " << error << Qt::endl;
        return 2;
    }

    if (!line->replay.isEmpty())
        return replay(*line, out, err);

    // Each machine is a simulator of its own: its own port, registers and job.
    std::vector<std::unique_ptr<ControllerSimulator>> machines;
    for (int i = 0; i < line->machines; ++i) {
        machines.push_back(std::make_unique<ControllerSimulator>(line->options));
        ControllerSimulator &simulator = *machines.back();
        const quint16 wanted = line->port == 0 ? 0 : quint16(line->port + i);
        const quint16 port = simulator.listen(wanted, line->address);
        if (port == 0) {
            err << "vxsim: cannot listen: " << simulator.error_string() << Qt::endl;
            return 1;
        }
        out << "listening " << line->address.toString() << ':' << port << Qt::endl;
        if (line->pty) {
            const QString slave = simulator.open_pty();
            if (slave.isEmpty()) {
                err << "vxsim: cannot open a pseudo-terminal: " << simulator.error_string() << Qt::endl;
                return 1;
            }
            out << "pty " << slave << Qt::endl;
        }
    }

    if (!vx::sim::quit_on_termination_signals())
        err << "vxsim: SIGINT and SIGTERM are not handled" << Qt::endl;
    return app.exec();
}

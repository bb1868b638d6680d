#include "controller_simulator.h"
#include "quit_on_signal.h"
#include "replay_controller.h"
#include "usage_text.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QLoggingCategory>
#include <QtCore/QTextStream>

#include <limits>
#include <memory>
#include <optional>
#include <vector>

using vx::sim::ControllerSimulator;
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

std::optional<CommandLine> parse_command_line(const QCoreApplication &app, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(vx::sim::usage_description());
    parser.addHelpOption();
    parser.addVersionOption();
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
        {"reset", "--drop-after: reset the connection instead of closing it."},
        {"machine-stop-after", "After N finished pages, stop the job as the machine's stop "
                               "key does and report 1001.", "N", "0"},
        {"refuse", "Answer every CCMD request with number N \"N,1\".", "N", "0"},
        {"ignore-stop", "Leave the stop write \"27,2\" unanswered and go on cutting."},
        {"progress-interval", "At a speed, a progress report every MS ms; 0 sends only each "
                              "page's own.", "MS", QString::number(SimulatorOptions().progress_interval_ms)},
        {"qr-codes", "In QR-code mode report these codes in turn (and round again), each "
                     "answered with the pages to cut.", "A1,B2,..."},
        {"max-frame", "The largest frame taken, header included, in bytes; a longer one "
                      "is dropped.", "BYTES", QString::number(SimulatorOptions().max_frame_bytes)},
        {"machines", "Serve N independent machines, each on its own port (the ports from --port "
                     "up, or free ones with --port 0) and pseudo-terminal.", "N", "1"},
        {"replay", "Act as the controller recorded in a trace file (TCP only): answer each "
                   "request as it was answered there.", "FILE"},
        {"fast", "--replay: answer at once instead of after the recorded delays."},
    });
    parser.process(app);

    if (!parser.isSet("verbose"))
        QLoggingCategory::setFilterRules(QStringLiteral("vx.sim.debug=false"));

    CommandLine line;
    const std::optional<int> port = non_negative(parser, "port", 65535);
    const std::optional<int> split = non_negative(parser, "split", 1 << 20);
    const std::optional<int> drop_after = non_negative(parser, "drop-after", 1 << 30);
    const std::optional<int> stop_after = non_negative(parser, "machine-stop-after", 1 << 30);
    const std::optional<int> refuse = non_negative(parser, "refuse", 1 << 30);
    const std::optional<int> progress_interval = non_negative(parser, "progress-interval", 86400000);
    const std::optional<int> machines = non_negative(parser, "machines", 1000);
    const std::optional<int> max_frame = non_negative(parser, "max-frame", std::numeric_limits<int>::max());
    bool speed_ok = false;
    line.options.cut_speed_mm_per_second = parser.value("speed").toDouble(&speed_ok);
    line.options.file_name = parser.value("file-name").toUtf8();

    if (!port || !split || !drop_after || !stop_after || !refuse || !progress_interval) {
        *error = "--port, --split, --drop-after, --machine-stop-after, --refuse and --progress-interval "
                 "take whole numbers";
        return std::nullopt;
    }
    if (!max_frame || *max_frame < 16) {
        *error = "--max-frame takes a number of bytes from 16";
        return std::nullopt;
    }
    if (parser.isSet("qr-codes")) {
        line.options.qr_codes = parser.value("qr-codes").toUtf8().split(',');
        for (const QByteArray &code : line.options.qr_codes) {
            // A code is the last item of a reply frame.
            if (code.isEmpty() || code.contains(';') || code.contains('\x02') || code.contains('\x03')) {
                *error = "--qr-codes takes codes separated by commas, without ';' STX or ETX";
                return std::nullopt;
            }
        }
    }
    if (!machines || *machines < 1 || (*port != 0 && *port + *machines - 1 > 65535)) {
        *error = "--machines takes a number from 1 to 1000, and its ports must end by 65535";
        return std::nullopt;
    }
    if (!speed_ok || line.options.cut_speed_mm_per_second < 0.0) {
        *error = "--speed takes a number of mm/s, 0 or more";
        return std::nullopt;
    }
    // The name is one item of a comma list inside a frame.
    if (line.options.file_name.contains(',') || line.options.file_name.contains(';')
        || line.options.file_name.contains('\x02') || line.options.file_name.contains('\x03')) {
        *error = "--file-name must not contain ',' ';' STX or ETX";
        return std::nullopt;
    }
    if (!line.address.setAddress(parser.value("bind"))) {
        *error = "--bind takes an IP address";
        return std::nullopt;
    }
    line.port = quint16(*port);
    line.pty = parser.isSet("pty");
    line.machines = *machines;
    line.options.split_chunk_bytes = *split;
    line.options.noise = parser.isSet("noise");
    line.options.duplicate_progress = parser.isSet("duplicate-progress");
    line.options.drop_after_pages = *drop_after;
    line.options.reset_on_drop = parser.isSet("reset");
    line.options.machine_stop_after_pages = *stop_after;
    line.options.refused_command = *refuse;
    line.options.ignore_stop = parser.isSet("ignore-stop");
    line.options.progress_interval_ms = *progress_interval;
    line.options.max_frame_bytes = *max_frame;
    line.replay = parser.value("replay");
    line.fast = parser.isSet("fast");
    if (line.options.reset_on_drop && line.options.drop_after_pages == 0) {
        *error = "--reset goes with --drop-after N";
        return std::nullopt;
    }
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

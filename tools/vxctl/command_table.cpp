#include "command_table.h"

// Each command lives in its own file; a new one is a row below and its file.
int run_info(const Invocation &call);
int run_get(const Invocation &call);
QString check_get(const Invocation &call);
QString check_get_keys(const Invocation &call);
int run_set(const Invocation &call);
QString check_set_values(const Invocation &call);
int run_job(const Invocation &call);
QString check_job(const Invocation &call);
QStringList job_simulator_arguments(const Invocation &call);
bool job_runs_offline(const Invocation &call);
int run_convert(const Invocation &call);
QString check_convert(const Invocation &call);
int run_settings(const Invocation &call);
int run_cloud(const Invocation &call);
QString check_cloud(const Invocation &call);
int run_trace(const Invocation &call);
QString check_trace(const Invocation &call);
int run_ports(const Invocation &call);
int run_help(const Invocation &call);
QString check_help(const Invocation &call);

namespace {
const CommandOption kPagesBy{"pages-by", "job, convert: an SVG drawing's pages: none (one page) or layer (a page per top-level group).",
                              "layer|none", "none"};
const CommandOption kJson{"json", "info, get, job, trace show: JSON on stdout, for scripts (job, trace show: an object per line)."};

QVector<Command> &table()
{
    static QVector<Command> rows{
        // name, help lines
        // application, needs, arguments, run, options, check, simulator arguments, device check
        {"info", "info\tthe plugin's defaults: model and every property with its frames\n"
                 "\t(vxctl get --all reads the machine)",
         Command::Console, Command::Plugin, {0, 0, "info takes no arguments"}, run_info, {kJson}},
        {"get", "get KEY... | --all\tread settings from the machine",
         Command::Console, Command::Device, kAnyArguments, run_get,
         {{"all", "get: every readable setting."}, kJson}, check_get, nullptr, check_get_keys},
        {"set", "set KEY=VALUE...\twrite settings and read them back",
         Command::Console, Command::DeviceToChange, {1, kNoLimit, "give settings as KEY=VALUE"}, run_set,
         {}, nullptr, nullptr, check_set_values},
        {"job", "job FILE\tcut a plotter file or an SVG drawing with live progress\n"
                "job --mode 1 --qr DIR\tcut the file named after each QR code read\n"
                "\t(s, q or Ctrl-C stops, p pauses, r resumes)",
         Command::Console, Command::DeviceToChange, {0, 1, "job takes one plotter file"}, run_job,
         {{"copies", "job: copies to cut.", "n", "1"},
          {"mode", "job: 0 plotter job, 1 QR-code job.", "0|1", "0"},
          {"qr", "job --mode 1: cut files named after the QR codes (CODE or CODE.plt).", "dir"},
          {"qr-map", "job --mode 1: a file of code=file lines.", "file"},
          {"qr-max-skips", "job --mode 1: end the job after this many QR codes in a row without a usable cut file (10).", "n", "10"},
          {"from-page", "job: start the first copy at this page.", "k"},
          {"copies-left", "job: copies still to cut, the first from --from-page.", "n"},
          {"resume", "job: continue where the journal says the job stood."},
          {"redo-page", "job --resume: cut the page in flight at the interruption again."},
          {"dry-run", "job: check the file and show pages, size, path and time; send nothing."},
          {"area", "job: the working area in mm where the machine does not tell it; a design that does not fit is refused.", "W,H"},
          {"picture", "job --dry-run: draw the sheet, pages, paths and start point into a PNG or SVG file.", "file.png|file.svg"},
          {"speed", "job: mm/s the time estimate starts from (a dry run on a machine reads its speed; 100 offline).", "mm/s"},
          {"max-page", "job: the largest page the controller takes, in bytes.", "bytes"},
          {"max-silence", "job: seconds the machine may say nothing before it is asked to stop (twice the longest "
                          "page's time at its speed, plus 10 s; at least --timeout).", "s"},
          {"timeout", "job: seconds each answer of the machine is awaited (5), and the least --max-silence.", "s"},
          kJson, kPagesBy,
          {"sim-qr-codes", "job --sim: the QR codes the simulator reports, in turn.", "A1,B2,..."}},
         check_job, job_simulator_arguments, nullptr, job_runs_offline},
        {"convert", "convert SVG-FILE PLOTTER-FILE\twrite an SVG drawing as the plotter text a job of it cuts",
         Command::Console, Command::Nothing, {2, 2, "give convert SVG-FILE PLOTTER-FILE"}, run_convert,
         {kPagesBy}, check_convert},
        {"settings", "settings\tthe user and system settings pages in a window, with\n"
                     "\tApply and Cancel, or as PNG files with --screenshot DIR",
         Command::Window, Command::Device, {0, 0, "settings takes no arguments"}, run_settings,
         {{"screenshot", "settings: write the pages as PNG files into the directory.", "dir"}}},
        {"cloud", "cloud list\twhat a host's cloud outbox holds (--outbox FILE)\n"
                  "cloud retry ID...|all\tdead letters wait for delivery again\n"
                  "cloud purge ID...|all\tdead letters are deleted",
         Command::Console, Command::Nothing, kAnyArguments, run_cloud,
         {{"outbox", "cloud: the host's outbox file.", "file"},
          {"cloud-service", "cloud retry: the service for entries recorded without one.", "url"}},
         check_cloud},
        {"trace", "trace show FILE\ta recorded session (--trace FILE) as a table: frames,\n"
                  "\tcodes, items and what the plugin made of them\n"
                  "trace stats FILE\tframes per command, page round trips, silences,\n"
                  "\tmalformed frames",
         Command::Console, Command::Plugin, {2, 2, "give trace show FILE or trace stats FILE"}, run_trace,
         {kJson, {"silence", "trace stats: list silences longer than this many seconds (2).", "s", "2"}}, check_trace},
        {"ports", "ports\tthe serial devices to give to --usb",
         Command::Console, Command::Nothing, {0, 0, "ports takes no arguments"}, run_ports},
        {"help", "help [COMMAND]\tthis help, or one command's",
         Command::Console, Command::Nothing, {0, 1, "help takes one command name"}, run_help, {}, check_help},
    };
    return rows;
}
} // namespace

const QVector<Command> &commands()
{
    return table();
}

bool add_command(const Command &command)
{
    table().append(command);
    return true;
}

const Command *find_command(const QString &name)
{
    for (const Command &command : commands()) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

bool Command::has_option(const QString &option) const
{
    for (const CommandOption &own : options) {
        if (own.name && option == QLatin1String(own.name))
            return true;
    }
    return false;
}

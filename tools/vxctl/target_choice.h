#pragma once

#include "target.h"

#include <QtCore/QString>

struct Command;
struct GlobalOptions;
class QCommandLineParser;

// The machine a command uses: named on the command line (--tcp, --usb,
// --sim, --sim-replay), else by VXCTL_TARGET, else by "target=" in the config file,
// else the built-in simulator, which commands that change the machine
// refuse to use unasked.
struct TargetChoice
{
    enum Source { CommandLine, Environment, ConfigFile, Implicit };
    Target target;
    Source source = Implicit;
};

// "~/.config/vxctl/config" (XDG_CONFIG_HOME is honoured).
QString config_file_path();

// False with the error (a wrong command line or configuration).
bool choose_target(const QCommandLineParser &parser, const GlobalOptions &options, const Command &command,
                   TargetChoice *choice, QString *error);

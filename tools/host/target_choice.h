#pragma once

#include "target.h"

#include <QtCore/QString>

// The machine a host uses: the one it names (vxctl: --tcp, --usb, --sim,
// --sim-replay), else by VXCTL_TARGET, else by "target=" in the config file,
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

// For a host that named no machine: VXCTL_TARGET's, else the config file's,
// else the built-in simulator (Implicit). False with the error.
bool configured_choice(TargetChoice *choice, QString *error);

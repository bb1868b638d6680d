#pragma once

#include "target_choice.h"

struct Command;
struct GlobalOptions;
class QCommandLineParser;

// The machine vxctl's command line names, else the configured one, shaped by
// the --sim-... options. False with the error (a wrong command line or
// configuration).
bool choose_target(const QCommandLineParser &parser, const GlobalOptions &options, const Command &command,
                   TargetChoice *choice, QString *error);

#pragma once

#include "simulator_options.h"

#include <QtCore/QString>
#include <QtCore/QVector>

#include <variant>

namespace vx::sim {

// One option of the simulated controller's behaviour or faults: vxsim takes
// each row as --flag, and vxctl gives the rows it names on as --sim-...
// A new fault is a member of SimulatorOptions and a row here.
struct SimulatorFault
{
    const char *flag;       // vxsim's, without "--"
    const char *value_name; // vxctl's, upper case in vxsim; nullptr: a switch
    const char *help;       // vxsim's
    const char *unit;       // what the value counts, for its error
    double min;
    double max;
    std::variant<double SimulatorOptions::*, int SimulatorOptions::*, bool SimulatorOptions::*> member;
    const char *host_flag = nullptr; // vxctl's, without "--"; nullptr: vxsim's alone
    const char *host_help = nullptr; // vxctl's, in its translation context "vxctl"

    QString default_value() const;
    // Empty when the value is taken, else "--FLAG takes UNIT from MIN to MAX"
    // under the given name.
    QString value_error(const QString &value, const QString &name) const;
    // Sets the member from a value value_error() took (a switch: on).
    void apply(SimulatorOptions &options, const QString &value) const;
};

const QVector<SimulatorFault> &simulator_faults();

} // namespace vx::sim

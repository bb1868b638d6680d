#pragma once

#include "target.h"

#include <QtCore/QMap>
#include <QtCore/QString>

class QSettings;

// The machine the console uses, remembered between runs: the simulator
// (the default, with the faults to practise on), a controller over TCP, or
// a USB device.
struct MachineChoice
{
    Target::Kind kind = Target::Simulator;
    QString tcp = QStringLiteral("127.0.0.1:9100");
    QString usb;
    // vxsim's options by flag: a value, or empty for a switch that is on.
    QMap<QString, QString> faults{{QStringLiteral("speed"), QStringLiteral("200")}};

    static MachineChoice load(QSettings &settings);
    void save(QSettings &settings) const;
    // False when the TCP address or USB path does not parse.
    bool target(Target *target) const;
    // "the simulator", "tcp 10.0.0.5:9100", "usb /dev/ttyUSB0".
    QString describe() const;
};

#include "machine_choice.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QSettings>

#include "simulator_faults.h"

MachineChoice MachineChoice::load(QSettings &settings)
{
    MachineChoice choice;
    settings.beginGroup(QStringLiteral("machine"));
    const QString kind = settings.value(QStringLiteral("kind"), QStringLiteral("sim")).toString();
    choice.kind = kind == QLatin1String("tcp") ? Target::Tcp : kind == QLatin1String("usb") ? Target::Usb : Target::Simulator;
    choice.tcp = settings.value(QStringLiteral("tcp"), choice.tcp).toString();
    choice.usb = settings.value(QStringLiteral("usb")).toString();
    if (settings.contains(QStringLiteral("faults"))) {
        choice.faults.clear();
        const QVariantMap faults = settings.value(QStringLiteral("faults")).toMap();
        for (auto it = faults.begin(); it != faults.end(); ++it)
            choice.faults.insert(it.key(), it.value().toString());
    }
    settings.endGroup();
    return choice;
}

void MachineChoice::save(QSettings &settings) const
{
    settings.beginGroup(QStringLiteral("machine"));
    settings.setValue(QStringLiteral("kind"), kind == Target::Tcp ? QStringLiteral("tcp")
                                              : kind == Target::Usb ? QStringLiteral("usb") : QStringLiteral("sim"));
    settings.setValue(QStringLiteral("tcp"), tcp);
    settings.setValue(QStringLiteral("usb"), usb);
    QVariantMap map;
    for (auto it = faults.begin(); it != faults.end(); ++it)
        map.insert(it.key(), it.value());
    settings.setValue(QStringLiteral("faults"), map);
    settings.endGroup();
}

bool MachineChoice::target(Target *target) const
{
    *target = Target();
    switch (kind) {
    case Target::Tcp:
        return Target::parse_tcp(tcp, target);
    case Target::Usb:
        target->kind = Target::Usb;
        target->usb_path = usb;
        return !usb.isEmpty();
    case Target::Simulator:
    case Target::Link:
        break;
    }
    // Only vxsim's own options with values it takes: the settings file may
    // have been edited by hand.
    for (const vx::sim::SimulatorFault &fault : vx::sim::simulator_faults()) {
        const QString flag = QString::fromLatin1(fault.flag);
        if (!faults.contains(flag) || !fault.value_error(faults.value(flag), flag).isEmpty())
            continue;
        target->simulator_arguments << QStringLiteral("--") + flag;
        if (fault.value_name)
            target->simulator_arguments << faults.value(flag);
    }
    return true;
}

QString MachineChoice::describe() const
{
    switch (kind) {
    case Target::Tcp: return QCoreApplication::translate("MachineChoice", "TCP %1").arg(tcp);
    case Target::Usb: return QCoreApplication::translate("MachineChoice", "USB %1").arg(usb);
    case Target::Simulator:
    case Target::Link: break;
    }
    return QCoreApplication::translate("MachineChoice", "the simulator");
}

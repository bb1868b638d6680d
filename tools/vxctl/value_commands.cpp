#include "command_table.h"
#include "device_session.h"
#include "property_io.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCommandLineParser>

namespace {

QString describe(const VXDeviceProperty *property)
{
    QString text = property->label();
    if (!property->uint().isEmpty())
        text += QLatin1Char(' ') + property->uint();
    return text;
}

} // namespace

// The keys to read, unless --all.
QString check_get(const Invocation &call)
{
    if (call.arguments.isEmpty() && !call.options.isSet(QStringLiteral("all")))
        return QStringLiteral("name the settings to read, or use --all");
    return QString();
}

// vxctl get KEY… / get --all: reads settings from the machine and prints them.
int run_get(const Invocation &call)
{
    QTextStream &out = call.out;
    QTextStream &err = call.err;
    const bool all = call.options.isSet(QStringLiteral("all"));
    VXDeviceInterface *device = call.session->device();
    const QStringList wanted = all ? readable_settings(device) : call.arguments;
    for (const QString &key : wanted) {
        const VXDeviceProperty *property = device->property_ptr(key.toLatin1().constData());
        if (!property) {
            err << "vxctl: unknown setting " << key << '\n';
            return 2;
        }
        if (property->get_cmd_bytes().isEmpty()) {
            err << "vxctl: " << key << " cannot be read from the machine\n";
            return 2;
        }
    }

    const QStringList silent = read_values(device, wanted, call.timeout_ms);
    for (const QString &key : wanted) {
        const VXDeviceProperty *property = device->property_ptr(key.toLatin1().constData());
        if (silent.contains(key))
            out << key << " (no answer)\n";
        else
            out << key << " = " << value_text(property) << "    " << describe(property) << '\n';
    }
    if (all)
        out << wanted.size() - silent.size() << " of " << wanted.size() << " read\n";
    if (!silent.isEmpty()) {
        err << "vxctl: no answer for " << silent.join(QLatin1Char(' ')) << '\n';
        return 1;
    }
    return 0;
}

// vxctl set KEY=VALUE…: writes settings and reads them back.
int run_set(const Invocation &call)
{
    QTextStream &out = call.out;
    QTextStream &err = call.err;
    VXDeviceInterface *device = call.session->device();
    struct Change
    {
        QString key;
        VXDeviceProperty *property;
        QString wanted;
    };
    QList<Change> changes;
    for (const QString &assignment : call.arguments) {
        const int equals = assignment.indexOf(QLatin1Char('='));
        const QString key = assignment.left(equals);
        VXDeviceProperty *property = equals > 0 ? device->property_ptr(key.toLatin1().constData()) : nullptr;
        if (equals <= 0) {
            err << "vxctl: " << assignment << " is not KEY=VALUE\n";
            return 2;
        }
        if (!property) {
            err << "vxctl: unknown setting " << key << '\n';
            return 2;
        }
        if (property->set_cmd_int() == 0 || property->cmd_type() == VXDeviceInterface::UnCMD) {
            err << "vxctl: " << key << " cannot be written to the machine\n";
            return 2;
        }
        QString error;
        if (!assign_value(property, assignment.mid(equals + 1), &error)) {
            err << "vxctl: " << key << ": " << error << '\n';
            return 2;
        }
        changes << Change{key, property, value_text(property)};
    }

    QStringList readable;
    for (const Change &change : qAsConst(changes)) {
        device->sendCMD(change.property->set_cmd_bytes());
        if (!change.property->get_cmd_bytes().isEmpty() && !is_machine_command(change.key))
            readable << change.key;
    }
    // Read back what can be read: the machine's answer is the truth.
    const QStringList silent = read_values(device, readable, call.timeout_ms);
    int refused = 0;
    for (const Change &change : qAsConst(changes)) {
        const QString now = value_text(change.property);
        if (!readable.contains(change.key)) {
            out << change.key << " = " << change.wanted << " (sent; cannot be read back)\n";
        } else if (silent.contains(change.key)) {
            out << change.key << " = " << change.wanted << " (sent; no answer when read back)\n";
            ++refused;
        } else if (now != change.wanted) {
            out << change.key << ": the machine kept " << now << " (asked for " << change.wanted << ")\n";
            ++refused;
        } else {
            out << change.key << " = " << now << '\n';
        }
    }
    if (refused > 0) {
        err << "vxctl: " << refused << " setting(s) not confirmed by the machine\n";
        return 1;
    }
    return 0;
}

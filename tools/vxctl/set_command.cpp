#include "command_table.h"
#include "device_session.h"
#include "property_io.h"
#include "reply_tap.h"
#include "setting_value.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("vxctl", text);
}

struct Change
{
    QString key;
    VXDeviceProperty *property;
    QString wanted;
};

// Each KEY=VALUE checked and set on its property; the error otherwise.
QString take_changes(const Invocation &call, QList<Change> *changes)
{
    VXDeviceInterface *device = call.session->device();
    QStringList keys;
    for (const QString &assignment : call.arguments) {
        const int equals = assignment.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return tr("%1 is not KEY=VALUE").arg(assignment);
        const QString key = assignment.left(equals);
        VXDeviceProperty *property = device->property_ptr(key.toLatin1().constData());
        if (!property)
            return tr("unknown setting %1 (vxctl info lists them)").arg(key);
        if (keys.contains(key))
            return tr("%1 is given twice").arg(key);
        keys << key;
        if (is_action(key))
            return tr("%1 is an action, not a setting (vxctl job runs and stops jobs)").arg(key);
        if (property->set_cmd_int() == 0 || property->cmd_type() == VXDeviceInterface::UnCMD)
            return tr("%1 cannot be written to the machine").arg(key);
        QString error;
        if (!assign_checked(property, key, assignment.mid(equals + 1), &error))
            return error;
        changes->append(Change{key, property, value_text(property)});
    }
    return QString();
}

} // namespace

QString check_set_values(const Invocation &call)
{
    QList<Change> changes;
    return take_changes(call, &changes);
}

// vxctl set KEY=VALUE…: writes settings, then reads back those the machine
// took: its answer is the truth.
int run_set(const Invocation &call)
{
    QTextStream &out = call.out;
    VXDeviceInterface *device = call.session->device();
    QList<Change> changes;
    const QString error = take_changes(call, &changes);
    if (!error.isEmpty()) {
        call.err << "vxctl: " << error << '\n';
        return 2;
    }

    const ReplyTap tap(device);
    for (const Change &change : qAsConst(changes))
        device->sendCMD(change.property->set_cmd_bytes());
    if (tap.hears()) {
        wait_for([&] {
            for (const Change &change : qAsConst(changes)) {
                if (tap.result(change.property->set_cmd_int()) < 0)
                    return false;
            }
            return true;
        }, call.timeout_ms);
    }
    QStringList readable;
    for (const Change &change : qAsConst(changes)) {
        if (!change.property->get_cmd_bytes().isEmpty() && tap.result(change.property->set_cmd_int()) <= 0)
            readable << change.key;
    }
    const QStringList silent = read_values(device, readable, call.timeout_ms);
    int failed = 0;
    QTextStream &err = call.err;
    for (const Change &change : qAsConst(changes)) {
        const QString now = value_text(change.property);
        const int result = tap.result(change.property->set_cmd_int());
        if (result > 0) {
            err << "vxctl: " << tr("%1: refused by the machine (result %2)").arg(change.key).arg(result) << '\n';
            ++failed;
        } else if (!readable.contains(change.key)) {
            out << change.key << " = " << change.wanted << " (sent; cannot be read back)\n";
        } else if (silent.contains(change.key)) {
            err << "vxctl: " << tr("%1 = %2 sent; no answer when read back").arg(change.key, change.wanted) << '\n';
            ++failed;
        } else if (now != change.wanted) {
            err << "vxctl: " << tr("%1: the machine kept %2 (asked for %3)").arg(change.key, now, change.wanted) << '\n';
            ++failed;
        } else {
            out << change.key << " = " << now << '\n';
        }
    }
    if (failed > 0) {
        call.err << "vxctl: " << failed << " setting(s) not confirmed by the machine\n";
        return 1;
    }
    return 0;
}

#include "command_table.h"
#include "device_session.h"
#include "property_io.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("vxctl", text);
}

QStringList wanted_keys(const Invocation &call)
{
    return call.options.isSet(QStringLiteral("all")) ? readable_settings(call.session->device()) : call.arguments;
}

// The outcome as a line, or as a JSON object.
QString outcome_text(const QString &key, VXDeviceProperty *property, const ReadOutcome &outcome, int timeout_ms)
{
    switch (outcome.kind) {
    case ReadOutcome::Read:
        return outcome.qr_code.isNull()
                   ? QStringLiteral("%1 = %2    %3").arg(key, value_text(property), label_with_unit(property))
                   : tr("%1 = %2    %3 (a QR-code reply)").arg(key, outcome.qr_code, label_with_unit(property));
    case ReadOutcome::Refused: return tr("%1: refused by the machine (result %2)").arg(key).arg(outcome.result);
    case ReadOutcome::Empty: return tr("%1: the machine answered without a value").arg(key);
    case ReadOutcome::Silent: break;
    }
    return tr("%1: no answer within %2 s").arg(key).arg(timeout_ms / 1000.0);
}

QJsonObject outcome_json(VXDeviceProperty *property, const ReadOutcome &outcome, int timeout_ms)
{
    static const char *const kinds[] = {"read", "refused", "empty", "no answer"};
    QJsonObject json{{QStringLiteral("outcome"), QLatin1String(kinds[outcome.kind])},
                     {QStringLiteral("label"), property->label()},
                     {QStringLiteral("unit"), property->uint()}};
    if (outcome.kind == ReadOutcome::Read)
        json.insert(QStringLiteral("value"), outcome.qr_code.isNull() ? value_json(property) : outcome.qr_code);
    if (outcome.kind == ReadOutcome::Refused)
        json.insert(QStringLiteral("result"), outcome.result);
    if (outcome.kind == ReadOutcome::Silent)
        json.insert(QStringLiteral("timeout_s"), timeout_ms / 1000.0);
    return json;
}

} // namespace

// The keys to read, or --all.
QString check_get(const Invocation &call)
{
    const bool all = call.options.isSet(QStringLiteral("all"));
    if (call.arguments.isEmpty() == !all)
        return tr("name the settings to read, or use --all");
    for (const QString &key : call.arguments) {
        if (call.arguments.count(key) > 1)
            return tr("%1 is given twice").arg(key);
    }
    return QString();
}

// Each key is a setting the machine can be asked for.
QString check_get_keys(const Invocation &call)
{
    VXDeviceInterface *device = call.session->device();
    for (const QString &key : qAsConst(call.arguments)) {
        const VXDeviceProperty *property = device->property_ptr(key.toLatin1().constData());
        if (!property)
            return tr("unknown setting %1 (vxctl info lists them)").arg(key);
        if (is_action(key))
            return tr("%1 is an action, not a setting (vxctl job runs and stops jobs)").arg(key);
        if (property->get_cmd_bytes().isEmpty())
            return tr("%1 is not a readable setting: the plugin keeps it (vxctl info shows it)").arg(key);
    }
    return QString();
}

// vxctl get KEY… / get --all: reads settings from the machine and prints
// them; what was not read goes to stderr with the reason.
int run_get(const Invocation &call)
{
    QTextStream &out = call.out;
    VXDeviceInterface *device = call.session->device();
    const QStringList wanted = wanted_keys(call);
    const QHash<QString, ReadOutcome> outcomes = read_settings(device, wanted, call.timeout_ms);
    const bool json = call.options.isSet(QStringLiteral("json"));
    QJsonObject document;
    QStringList unread;
    for (const QString &key : wanted) {
        VXDeviceProperty *property = device->property_ptr(key.toLatin1().constData());
        const ReadOutcome outcome = outcomes.value(key);
        if (outcome.kind != ReadOutcome::Read)
            unread << key;
        if (json)
            document.insert(key, outcome_json(property, outcome, call.timeout_ms));
        else if (outcome.kind == ReadOutcome::Read)
            out << outcome_text(key, property, outcome, call.timeout_ms) << '\n';
        else
            call.err << "vxctl: " << outcome_text(key, property, outcome, call.timeout_ms) << '\n';
    }
    if (json)
        out << QJsonDocument(document).toJson(QJsonDocument::Indented);
    else if (call.options.isSet(QStringLiteral("all")))
        out << wanted.size() - unread.size() << " of " << wanted.size() << " read\n";
    return unread.isEmpty() ? 0 : 1;
}

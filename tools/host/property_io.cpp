#include "property_io.h"

#include "device_session.h"
#include "log_file.h"
#include "reply_tap.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QList>

#include <cmath>
#include <limits>

namespace {

// A reply replaces the value silently, so a read is seen to be answered
// when the value leaves a placeholder of its own type that no reply
// carries in practice.
const QString kPendingText = QStringLiteral("\x01pending");

QVariant placeholder_for(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::QString: return kPendingText;
    case QMetaType::UInt: return std::numeric_limits<uint>::max();
    case QMetaType::Int: return std::numeric_limits<int>::min();
    case QMetaType::Double: return std::numeric_limits<double>::quiet_NaN();
    default: return QVariant();
    }
}

bool is_placeholder(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::QString: return value.toString() == kPendingText;
    case QMetaType::UInt: return value.toUInt() == std::numeric_limits<uint>::max();
    case QMetaType::Int: return value.toInt() == std::numeric_limits<int>::min();
    case QMetaType::Double: return std::isnan(value.toDouble());
    default: return false;
    }
}

} // namespace

QList<VXDeviceProperty *> value_holders(VXDeviceProperty *property)
{
    QList<VXDeviceProperty *> holders;
    if (property->value().userType() == QMetaType::QStringList) {
        for (const QString &key : property->value().toStringList()) {
            if (VXDeviceProperty *sub = property->property_ptr(key.toLatin1().constData()))
                holders << sub;
        }
        return holders;
    }
    return {property};
}

bool is_action(const QString &key)
{
    static const QStringList actions{QStringLiteral("DEVICE_STATUS"), QStringLiteral("GET_QRCODE"),
                                     QStringLiteral("TASK_STOP"),     QStringLiteral("TASK_PAUSE"),
                                     QStringLiteral("TASK_RESUME"),   QStringLiteral("TASK_REPEAT"),
                                     QStringLiteral("TASK_PPLT"),     QStringLiteral("MOVE"),
                                     QStringLiteral("SET_WIFI")};
    return actions.contains(key);
}

QStringList readable_settings(VXDeviceInterface *device)
{
    QStringList keys;
    for (const QByteArray &name : device->dynamicPropertyNames()) {
        const VXDeviceProperty *property = device->property_ptr(name.constData());
        const QString key = QString::fromLatin1(name);
        // The QR-code file answers as a QR code, not as a value.
        if (property && !property->get_cmd_bytes().isEmpty() && !is_action(key)
            && key != QLatin1String("QRCODE_FILE"))
            keys << key;
    }
    return keys;
}

QHash<QString, ReadOutcome> read_settings(VXDeviceInterface *device, const QStringList &keys, int timeout_ms)
{
    struct Pending
    {
        QString key;
        int number;
        QList<VXDeviceProperty *> holders;
        QList<QVariant> before;
    };
    const ReplyTap tap(device);
    // A QR-code reply reaches the host as a message, not as a value.
    QString qr_code;
    bool qr_heard = false;
    QObject receiver;
    QObject::connect(device, &VXDeviceInterface::message, &receiver,
                     [&](VXDeviceInterface::VXDeviceMessage kind, const QString &text) {
                         if (kind == VXDeviceInterface::Qrcode) {
                             qr_code = text;
                             qr_heard = true;
                         }
                     });
    QList<Pending> pending;
    for (const QString &key : keys) {
        VXDeviceProperty *property = device->property_ptr(key.toLatin1().constData());
        if (!property)
            continue;
        Pending p{key, property->get_cmd_int(), {}, {}};
        for (VXDeviceProperty *holder : value_holders(property)) {
            const QVariant placeholder = placeholder_for(holder->value());
            if (!placeholder.isValid())
                continue;
            p.holders << holder;
            p.before << holder->value();
            holder->setValue(placeholder);
        }
        pending << p;
        qCDebug(lcCtl).noquote() << "read" << key;
        device->sendCMD(property->get_cmd_bytes());
    }

    const auto value_arrived = [](const Pending &p) {
        for (VXDeviceProperty *holder : p.holders) {
            if (is_placeholder(holder->value()))
                return false;
        }
        return !p.holders.isEmpty();
    };
    const auto answered = [&] {
        for (const Pending &p : qAsConst(pending)) {
            if (!value_arrived(p) && tap.result(p.number) < 0)
                return false;
        }
        return true;
    };
    wait_for(answered, timeout_ms);

    QHash<QString, ReadOutcome> outcomes;
    for (const Pending &p : qAsConst(pending)) {
        ReadOutcome &outcome = outcomes[p.key];
        const int result = tap.result(p.number);
        if (value_arrived(p)) {
            outcome.kind = ReadOutcome::Read;
            continue;
        }
        for (int i = 0; i < p.holders.size(); ++i)
            p.holders.at(i)->setValue(p.before.at(i));
        if (result > 0) {
            outcome.kind = ReadOutcome::Refused;
            outcome.result = result;
        } else if (result == 0 && qr_heard) {
            outcome.kind = ReadOutcome::Read;
            outcome.qr_code = qr_code;
            qr_heard = false;
        } else if (result == 0) {
            outcome.kind = ReadOutcome::Empty;
        }
        qCDebug(lcCtl).noquote() << p.key << "not read, outcome" << outcome.kind << "result" << result;
    }
    return outcomes;
}

QStringList read_values(VXDeviceInterface *device, const QStringList &keys, int timeout_ms)
{
    const QHash<QString, ReadOutcome> outcomes = read_settings(device, keys, timeout_ms);
    QStringList missing;
    for (const QString &key : keys) {
        if (outcomes.value(key).kind != ReadOutcome::Read)
            missing << key;
    }
    return missing;
}

QHash<QString, WriteOutcome> write_settings(VXDeviceInterface *device, const QStringList &keys, int timeout_ms)
{
    QHash<QString, QString> sent;
    const ReplyTap tap(device);
    for (const QString &key : keys) {
        const VXDeviceProperty *property = device->property_ptr(key.toLatin1().constData());
        if (!property)
            continue;
        sent.insert(key, value_text(property));
        qCDebug(lcCtl).noquote() << "write" << key << sent.value(key);
        device->sendCMD(property->set_cmd_bytes());
    }
    const auto write_result = [&](const QString &key) {
        return tap.result(device->property_ptr(key.toLatin1().constData())->set_cmd_int());
    };
    // A deaf tap would only wait out the time.
    if (tap.hears()) {
        wait_for([&] {
            for (auto it = sent.cbegin(); it != sent.cend(); ++it) {
                if (write_result(it.key()) < 0)
                    return false;
            }
            return true;
        }, timeout_ms);
    }
    QStringList readable;
    for (const QString &key : keys) {
        if (sent.contains(key) && write_result(key) <= 0
            && !device->property_ptr(key.toLatin1().constData())->get_cmd_bytes().isEmpty())
            readable << key;
    }
    const QHash<QString, ReadOutcome> reads = read_settings(device, readable, timeout_ms);
    QHash<QString, WriteOutcome> outcomes;
    for (auto it = sent.cbegin(); it != sent.cend(); ++it) {
        WriteOutcome &outcome = outcomes[it.key()];
        outcome.result = write_result(it.key());
        outcome.read = reads.value(it.key());
        const QString now = value_text(device->property_ptr(it.key().toLatin1().constData()));
        if (outcome.result > 0)
            outcome.kind = WriteOutcome::Refused;
        else if (!readable.contains(it.key()))
            outcome.kind = WriteOutcome::Unreadable;
        else if (outcome.read.kind != ReadOutcome::Read)
            outcome.kind = WriteOutcome::NotReadBack;
        else if (now != it.value())
            outcome.kind = WriteOutcome::Differs;
        else
            outcome.kind = WriteOutcome::Kept;
        if (outcome.kind == WriteOutcome::Differs)
            outcome.held = now;
    }
    return outcomes;
}

QString label_with_unit(const VXDeviceProperty *property)
{
    const QString label = property->label();
    QString unit = property->uint();
    if (unit.isEmpty() || label.contains(unit, Qt::CaseInsensitive))
        return label;
    return label + QLatin1Char(' ') + unit;
}

QString value_text(const VXDeviceProperty *property)
{
    const QVariant value = property->value();
    switch (value.userType()) {
    case QMetaType::QStringList: {
        QStringList parts;
        for (VXDeviceProperty *holder : value_holders(const_cast<VXDeviceProperty *>(property)))
            parts << holder->value().toString();
        return parts.join(QLatin1Char(','));
    }
    case QMetaType::QJsonObject:
        return QString::fromUtf8(QJsonDocument(value.toJsonObject()).toJson(QJsonDocument::Compact));
    case QMetaType::QByteArray:
        return QStringLiteral("<%1 bytes>").arg(value.toByteArray().size());
    default:
        return value.isValid() ? value.toString() : QStringLiteral("<none>");
    }
}

QJsonValue value_json(VXDeviceProperty *property)
{
    const QVariant value = property->value();
    if (value.userType() == QMetaType::QStringList) {
        QJsonArray parts;
        for (VXDeviceProperty *holder : value_holders(property))
            parts << QJsonValue::fromVariant(holder->value());
        return parts;
    }
    if (value.userType() == QMetaType::QByteArray)
        return value_text(property);
    const QJsonValue json = QJsonValue::fromVariant(value);
    return json.isNull() ? QJsonValue(value_text(property)) : json;
}

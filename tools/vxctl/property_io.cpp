#include "property_io.h"

#include "device_session.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCoreApplication>
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

// The properties that hold the value: the sub-properties of a composite,
// or the property itself.
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

} // namespace

bool is_machine_command(const QString &key)
{
    static const QStringList commands{QStringLiteral("DEVICE_STATUS"), QStringLiteral("GET_QRCODE"),
                                      QStringLiteral("QRCODE_FILE"),   QStringLiteral("TASK_STOP"),
                                      QStringLiteral("TASK_PAUSE"),    QStringLiteral("TASK_RESUME")};
    return commands.contains(key);
}

QStringList readable_settings(VXDeviceInterface *device)
{
    QStringList keys;
    for (const QByteArray &name : device->dynamicPropertyNames()) {
        const VXDeviceProperty *property = device->property_ptr(name.constData());
        const QString key = QString::fromLatin1(name);
        if (property && !property->get_cmd_bytes().isEmpty() && !is_machine_command(key))
            keys << key;
    }
    return keys;
}

QStringList read_values(VXDeviceInterface *device, const QStringList &keys, int timeout_ms)
{
    struct Pending
    {
        QString key;
        VXDeviceProperty *holder;
        QVariant before;
    };
    QList<Pending> pending;
    for (const QString &key : keys) {
        VXDeviceProperty *property = device->property_ptr(key.toLatin1().constData());
        if (!property)
            continue;
        for (VXDeviceProperty *holder : value_holders(property)) {
            const QVariant placeholder = placeholder_for(holder->value());
            if (!placeholder.isValid())
                continue;
            pending << Pending{key, holder, holder->value()};
            holder->setValue(placeholder);
        }
        device->sendCMD(property->get_cmd_bytes());
    }

    const auto answered = [&pending] {
        for (const Pending &p : pending) {
            if (is_placeholder(p.holder->value()))
                return false;
        }
        return true;
    };
    wait_for(answered, timeout_ms);

    QStringList silent;
    for (const Pending &p : qAsConst(pending)) {
        if (!is_placeholder(p.holder->value()))
            continue;
        p.holder->setValue(p.before);
        if (!silent.contains(p.key))
            silent << p.key;
    }
    return silent;
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

bool assign_value(VXDeviceProperty *property, const QString &text, QString *error)
{
    const QList<VXDeviceProperty *> holders = value_holders(property);
    const QStringList parts = holders.size() > 1 || holders.first() != property
                                  ? text.split(QLatin1Char(','))
                                  : QStringList{text};
    if (parts.size() != holders.size()) {
        *error = QCoreApplication::translate("vxctl", "expects %1 values separated by commas")
                     .arg(holders.size());
        return false;
    }
    QList<QVariant> values;
    for (int i = 0; i < holders.size(); ++i) {
        const QString part = parts.at(i).trimmed();
        bool ok = true;
        QVariant value;
        switch (holders.at(i)->value().userType()) {
        case QMetaType::UInt: value = part.toUInt(&ok); break;
        case QMetaType::Int: value = part.toInt(&ok); break;
        case QMetaType::Double: value = part.toDouble(&ok); break;
        case QMetaType::QString: value = parts.at(i); break;
        default: ok = false; break;
        }
        if (!ok) {
            *error = QCoreApplication::translate("vxctl", "'%1' is not a valid %2")
                         .arg(part, QString::fromLatin1(holders.at(i)->value().typeName()));
            return false;
        }
        values << value;
    }
    for (int i = 0; i < holders.size(); ++i)
        holders.at(i)->setValue(values.at(i));
    return true;
}

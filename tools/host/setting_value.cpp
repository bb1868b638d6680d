#include "setting_value.h"

#include "host_texts_p.h"
#include "property_io.h"
#include "vxdeviceproperty.h"
#include "vxeditor.h"

#include <QtCore/QCoreApplication>

#include <cmath>
#include <limits>

namespace {

// What one value holder accepts, read from its editor description.
struct Rule
{
    bool whole = false;   // an integer type
    bool limited = false; // min and max hold
    double min = 0;
    double max = 0;
    QStringList options;  // a choice: the value is the option's index
    QString unit;
};

Rule rule_of(const VXDeviceProperty *holder, const QString &unit)
{
    Rule rule;
    const int type = holder->value().userType();
    rule.whole = type == QMetaType::Int || type == QMetaType::UInt;
    if (type == QMetaType::Int || type == QMetaType::UInt) {
        rule.min = type == QMetaType::UInt ? 0.0 : double(std::numeric_limits<int>::min());
        rule.max = type == QMetaType::UInt ? double(std::numeric_limits<uint>::max())
                                           : double(std::numeric_limits<int>::max());
        rule.limited = true;
    }
    rule.unit = unit;
    // What the editor takes is in the units it shows: value x factor.
    const VXEditor editor(holder);
    const VXEditor::Accepts accepts = editor.accepts();
    const double factor = editor.factor == 0.0 || !std::isfinite(editor.factor) ? 1.0 : editor.factor;
    for (const QString &option : accepts.options)
        rule.options << option.trimmed();
    if (accepts.limited) {
        rule.limited = true;
        rule.min = std::min(accepts.min / factor, accepts.max / factor);
        rule.max = std::max(accepts.min / factor, accepts.max / factor);
    }
    return rule;
}

QString accepted(const Rule &rule)
{
    if (!rule.options.isEmpty()) {
        QStringList choices;
        for (int i = 0; i < rule.options.size(); ++i)
            choices << QStringLiteral("%1 (%2)").arg(i).arg(rule.options.at(i));
        const QString last = choices.takeLast();
        return VxctlText::tr("%1 or %2").arg(choices.join(QStringLiteral(", ")), last);
    }
    if (rule.limited)
        return range_text(rule.min, rule.max, rule.unit);
    const QString text = rule.whole ? VxctlText::tr("a whole number") : VxctlText::tr("a number");
    return rule.unit.isEmpty() ? text : text + QLatin1Char(' ') + rule.unit;
}

// The value for the holder, or an invalid variant when the text does not fit.
QVariant checked_value(const VXDeviceProperty *holder, const Rule &rule, const QString &text)
{
    const int type = holder->value().userType();
    if (type == QMetaType::QString) {
        for (const QChar c : text) {
            if (c.unicode() < 0x20 || c == QLatin1Char(';'))
                return QVariant();
        }
        return text;
    }
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number) || (rule.whole && number != std::floor(number)))
        return QVariant();
    if (rule.limited && (number < rule.min || number > rule.max))
        return QVariant();
    switch (type) {
    case QMetaType::UInt: return uint(number);
    case QMetaType::Int: return int(number);
    case QMetaType::Double: return number;
    default: return QVariant();
    }
}

} // namespace

QString unit_text(const VXDeviceProperty *property)
{
    QString unit = property->uint();
    if (unit.startsWith(QLatin1Char('(')) && unit.endsWith(QLatin1Char(')')))
        unit = unit.mid(1, unit.size() - 2);
    return unit;
}

QString range_text(double min, double max, const QString &unit)
{
    const QString text = VxctlText::tr("%1 to %2").arg(QString::number(min, 'g', 12), QString::number(max, 'g', 12));
    return unit.isEmpty() ? text : text + QLatin1Char(' ') + unit;
}

bool assign_checked(VXDeviceProperty *property, const QString &key, const QString &text, QString *error)
{
    const QList<VXDeviceProperty *> holders = value_holders(property);
    const bool composite = holders.size() != 1 || holders.first() != property;
    const QStringList parts = composite ? text.split(QLatin1Char(',')) : QStringList{text};
    if (parts.size() != holders.size()) {
        *error = VxctlText::tr("%1 takes %2 values separated by commas (%3); got %4")
                     .arg(key).arg(holders.size()).arg(property->value().toStringList().join(QLatin1Char(',')), text);
        return false;
    }
    QList<QVariant> values;
    for (int i = 0; i < holders.size(); ++i) {
        const QString name = composite ? property->value().toStringList().value(i) : key;
        const int type = holders.at(i)->value().userType();
        const Rule rule = rule_of(holders.at(i), composite ? QString() : unit_text(property));
        const QVariant value = checked_value(holders.at(i), rule, parts.at(i));
        if (!value.isValid()) {
            *error = type == QMetaType::QString
                         ? VxctlText::tr("%1 takes text without ';' or control characters; got %2").arg(name, parts.at(i))
                         : VxctlText::tr("%1 takes %2; got %3").arg(name, accepted(rule), parts.at(i));
            return false;
        }
        values << value;
    }
    for (int i = 0; i < holders.size(); ++i)
        holders.at(i)->setValue(values.at(i));
    return true;
}

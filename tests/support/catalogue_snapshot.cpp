#include "catalogue_snapshot.h"

#include "catalogue_builder_p.h"
#include "property_store_p.h"
#include "vxdeviceproperty.h"
#include "vxeditor.h"
#include "vxlt3050procam.h"

#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QMetaEnum>
#include <QtCore/QRegularExpression>
#include <QtCore/QScopedPointer>

namespace {

QString listed(const QStringList &items)
{
    return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString frame_text(QByteArray frame)
{
    return QString::fromUtf8(frame.replace('\x02', "<STX>").replace('\x03', "<ETX>"));
}

// Qt 6 writes a number in exponent form where that is shorter ("1e-04");
// written out as Qt 5 does ("0.0001"), one snapshot holds for both.
QString json_text(const QJsonObject &object)
{
    QString text = QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
    static const QRegularExpression exponent(QStringLiteral("([:,\\[]-?)(\\d)(?:\\.(\\d+))?e-0?([1-4])(?=[,}\\]])"));
    for (QRegularExpressionMatch m = exponent.match(text); m.hasMatch(); m = exponent.match(text, m.capturedStart())) {
        const QString fixed = m.captured(1) + QStringLiteral("0.") + QString(m.captured(4).toInt() - 1, QLatin1Char('0'))
            + m.captured(2) + m.captured(3);
        text.replace(m.capturedStart(), m.capturedLength(), fixed);
    }
    return text;
}

// The keys of the properties an object holds, in the order they were set
// (an editor description is held too, but is no property).
QStringList held_keys(const QObject &holder)
{
    QStringList keys;
    for (const QByteArray &name : holder.dynamicPropertyNames()) {
        if (vx::held_property(&holder, name.constData()))
            keys << QString::fromLatin1(name);
    }
    return keys;
}

// The value's type and, except for the creation time, the value itself.
QString value_text(const QVariant &value)
{
    if (!value.isValid())
        return QStringLiteral("invalid");
    const QString type = QString::fromLatin1(value.typeName()) + QLatin1Char(' ');
    switch (value.userType()) {
    case QMetaType::QDateTime: return type.trimmed();
    case QMetaType::QJsonObject: return type + json_text(value.toJsonObject());
    case QMetaType::QStringList: return type + listed(value.toStringList());
    case QMetaType::QByteArray: return type + QLatin1Char('"') + value.toByteArray().toHex() + QLatin1Char('"');
    case QMetaType::QString: return type + QLatin1Char('"') + value.toString() + QLatin1Char('"');
    default: return type + value.toString();
    }
}

QString property_line(const QString &section, const QString &key, const VXDeviceProperty &p)
{
    const QMetaEnum kinds = QMetaEnum::fromType<VXDeviceInterface::VXDeviceCMDType>();
    return QStringLiteral("%1 %2 label=\"%3\" unit=\"%4\" value=%5 kind=%6")
               .arg(section, key, p.label(), p.uint(), value_text(p.value()),
                    QLatin1String(kinds.valueToKey(p.cmd_type())))
        + QStringLiteral(" read=%1 write=%2 len=%3").arg(p.get_cmd_int()).arg(p.set_cmd_int()).arg(p.cmd_len())
        + QStringLiteral(" params=%1 members=%2 editor=%3 get=\"%4\" set=\"%5\"")
              .arg(listed(p.param()), listed(held_keys(p)), json_text(VXEditor(&p).description),
                   frame_text(p.get_cmd_bytes()), frame_text(p.set_cmd_bytes()));
}

void add_properties(QStringList &lines, const QString &section, const QObject &device)
{
    for (const QString &key : held_keys(device))
        lines << property_line(section, key, *vx::held_property(&device, key.toLatin1().constData()));
}

} // namespace

QStringList catalogue_snapshot()
{
    const char *const catalogues[] = {"init437", "info_437", "camera_offset_437", "work_area_437", "scale_437",
                                      "init157", "info_157", "camera_offset_157", "work_area_157", "scale_157",
                                      "feed_157", "tool_space_157", "sp1_157", "sp2_157", "move_157"};
    QStringList lines;
    VXLT3050PROCam root;
    for (const char *name : catalogues) {
        VXCommonInterface device;
        vx::fill_catalogue(&device, name);
        add_properties(lines, QString::fromLatin1(name), device);
    }
    QScopedPointer<VXDeviceInterface> machine(root.initInstance());
    add_properties(lines, QStringLiteral("machine"), *machine);
    lines << QStringLiteral("machine userProperty=") + listed(machine->userProperty())
          << QStringLiteral("machine sysProperty=") + listed(machine->sysProperty())
          << QStringLiteral("machine icon=0x") + QString::number(machine->icon(), 16).toUpper();
    return lines;
}

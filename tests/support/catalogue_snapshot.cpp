#include "catalogue_snapshot.h"

#include "property_store.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"

#include <QtCore/QDateTime>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QMetaEnum>
#include <QtCore/QScopedPointer>

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString listed(const QStringList &items)
{
    return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString frame_text(QByteArray frame)
{
    frame.replace('\x02', "<STX>").replace('\x03', "<ETX>");
    return quoted(QString::fromUtf8(frame));
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
    const QString type = QString::fromLatin1(value.typeName());
    QString text;
    switch (value.userType()) {
    case QMetaType::QDateTime: return type;
    case QMetaType::QJsonObject:
        text = QString::fromUtf8(QJsonDocument(value.toJsonObject()).toJson(QJsonDocument::Compact));
        break;
    case QMetaType::QStringList: text = listed(value.toStringList()); break;
    case QMetaType::QByteArray: text = quoted(QString::fromLatin1(value.toByteArray().toHex())); break;
    case QMetaType::QString: text = quoted(value.toString()); break;
    default: text = value.toString();
    }
    return type + QLatin1Char(' ') + text;
}

QString property_line(const QString &section, const QString &key, const VXDeviceProperty &p)
{
    const QMetaEnum kinds = QMetaEnum::fromType<VXDeviceInterface::VXDeviceCMDType>();
    const QJsonObject editor = p.property("WIDGET").toJsonObject();
    QStringList fields{
        section + QLatin1Char(' ') + key,
        QStringLiteral("label=") + quoted(p.label()),
        QStringLiteral("unit=") + quoted(p.uint()),
        QStringLiteral("value=") + value_text(p.value()),
        QStringLiteral("kind=") + QString::fromLatin1(kinds.valueToKey(p.cmd_type())),
        QStringLiteral("read=%1 write=%2 len=%3").arg(p.get_cmd_int()).arg(p.set_cmd_int()).arg(p.cmd_len()),
        QStringLiteral("params=") + listed(p.param()),
        QStringLiteral("members=") + listed(held_keys(p)),
        QStringLiteral("editor=") + QString::fromUtf8(QJsonDocument(editor).toJson(QJsonDocument::Compact)),
        QStringLiteral("get=") + frame_text(p.get_cmd_bytes()),
        QStringLiteral("set=") + frame_text(p.set_cmd_bytes()),
    };
    return fields.join(QLatin1Char(' '));
}

void add_properties(QStringList &lines, const QString &section, const QObject &device)
{
    for (const QString &key : held_keys(device)) {
        lines << property_line(section, key, *vx::held_property(&device, key.toLatin1().constData()));
    }
}

} // namespace

QStringList catalogue_snapshot()
{
    using Catalogue = void (VXCommonInterface::*)(VXDeviceInterface *);
    const std::pair<const char *, Catalogue> catalogues[] = {
        {"init437", &VXCommonInterface::init437},
        {"info_437", &VXCommonInterface::info_437},
        {"camera_offset_437", &VXCommonInterface::camera_offset_437},
        {"work_area_437", &VXCommonInterface::work_area_437},
        {"scale_437", &VXCommonInterface::scale_437},
        {"init157", &VXCommonInterface::init157},
        {"info_157", &VXCommonInterface::info_157},
        {"camera_offset_157", &VXCommonInterface::camera_offset_157},
        {"work_area_157", &VXCommonInterface::work_area_157},
        {"scale_157", &VXCommonInterface::scale_157},
        {"feed_157", &VXCommonInterface::feed_157},
        {"tool_space_157", &VXCommonInterface::tool_space_157},
        {"sp1_157", &VXCommonInterface::sp1_157},
        {"sp2_157", &VXCommonInterface::sp2_157},
        {"move_157", &VXCommonInterface::move_157},
    };
    QStringList lines;
    VXLT3050PROCam root;
    for (const auto &[name, create] : catalogues) {
        VXCommonInterface device;
        (root.*create)(&device);
        add_properties(lines, QString::fromLatin1(name), device);
    }
    QScopedPointer<VXDeviceInterface> machine(root.initInstance());
    add_properties(lines, QStringLiteral("machine"), *machine);
    lines << QStringLiteral("machine userProperty=") + listed(machine->userProperty())
          << QStringLiteral("machine sysProperty=") + listed(machine->sysProperty())
          << QStringLiteral("machine icon=0x") + QString::number(machine->icon(), 16).toUpper();
    return lines;
}

#include "command_table.h"
#include "device_session.h"
#include "plugin_host.h"
#include "property_io.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"
#include "vxeditor.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QDate>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QMetaEnum>
#include <QtCore/QScopedPointer>

namespace {

// Frames with their control bytes made visible.
QString printable(const QByteArray &frame)
{
    if (frame.isEmpty())
        return QStringLiteral("-");
    QString text = QString::fromUtf8(frame);
    text.replace(QChar(0x02), QStringLiteral("␂")).replace(QChar(0x03), QStringLiteral("␃"));
    return text;
}

QString value_text(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::QJsonObject:
        return QString::fromUtf8(QJsonDocument(value.toJsonObject()).toJson(QJsonDocument::Compact));
    case QMetaType::QStringList:
        return QLatin1Char('[') + value.toStringList().join(QLatin1Char(',')) + QLatin1Char(']');
    case QMetaType::QByteArray:
        return QStringLiteral("<%1 bytes>").arg(value.toByteArray().size());
    default:
        return value.isValid() ? value.toString() : QStringLiteral("<none>");
    }
}

QString kind_name(VXDeviceInterface::VXDeviceCMDType kind)
{
    return QString::fromLatin1(QMetaEnum::fromType<VXDeviceInterface::VXDeviceCMDType>().valueToKey(kind));
}

// The build date as the plugin gives it ("2025 - 06 - 27") in ISO form.
QString build_date()
{
    const QString text = VXDeviceInterface::buildDate();
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy - MM - dd"));
    return date.isValid() ? date.toString(Qt::ISODate) : text;
}

QString icon_text(int code_point)
{
    return QStringLiteral("%1 (U+%2 in the host's icon font)")
        .arg(code_point)
        .arg(QString::number(code_point, 16).toUpper());
}

QJsonObject property_json(const QString &key, const VXDeviceProperty *p, bool readable)
{
    return {{QStringLiteral("key"), key},
            {QStringLiteral("readable"), readable},
            {QStringLiteral("label"), p->label()},
            {QStringLiteral("unit"), p->uint()},
            {QStringLiteral("default"), value_text(p->value())},
            {QStringLiteral("kind"), kind_name(p->cmd_type())},
            {QStringLiteral("read"), QString::fromUtf8(p->get_cmd_bytes())},
            {QStringLiteral("write"), QString::fromUtf8(p->set_cmd_bytes())},
            {QStringLiteral("editor"), VXEditor(p).description}};
}

} // namespace

// Prints what a host learns from the plugin without a machine: build date,
// metadata, the model, and every property of a fresh instance with its
// default value and frames.
int run_info(const Invocation &call)
{
    const PluginHost &host = *call.host;
    QTextStream &out = call.out;
    VXDeviceInterface *root = host.root();
    const QJsonObject meta = host.metadata();
    QScopedPointer<VXDeviceInterface> device(root->initInstance());
    if (!device) {
        call.err << "vxctl: the plugin handed out no device instance\n";
        return 1;
    }
    const VXDeviceProperty *model = device->property_ptr("DEVICE_MODEL");
    const VXDeviceProperty *name = device->property_ptr("DEVICE_MODEL_NAME");
    const QList<QByteArray> keys = device->dynamicPropertyNames();

    if (call.options.isSet(QStringLiteral("json"))) {
        QJsonArray properties;
        // What vxctl get reads; with a write frame, what vxctl set writes.
        const QStringList readable = readable_settings(device.data());
        for (const QByteArray &key : keys) {
            const QString name = QString::fromLatin1(key);
            if (const VXDeviceProperty *p = device->property_ptr(key.constData()))
                properties << property_json(name, p, readable.contains(name));
        }
        const QJsonObject document{
            {QStringLiteral("plugin"), host.file_name()},
            {QStringLiteral("build_date"), build_date()},
            {QStringLiteral("iid"), meta.value(QStringLiteral("IID"))},
            {QStringLiteral("class"), meta.value(QStringLiteral("className"))},
            {QStringLiteral("metadata"), meta.value(QStringLiteral("MetaData"))},
            {QStringLiteral("model"), model ? model->value().toString() : QString()},
            {QStringLiteral("name"), name ? name->value().toString() : QString()},
            {QStringLiteral("icon"), device->icon()},
            {QStringLiteral("user_page"), QJsonArray::fromStringList(device->userProperty())},
            {QStringLiteral("system_page"), QJsonArray::fromStringList(device->sysProperty())},
            {QStringLiteral("links"), QJsonArray::fromStringList(device_links(*device))},
            {QStringLiteral("properties"), properties}};
        out << QJsonDocument(document).toJson(QJsonDocument::Indented);
        return 0;
    }

    out << "The plugin's defaults, not the machine's settings: vxctl get --all reads the machine.\n\n"
        << "plugin      " << host.file_name() << '\n'
        << "build date  " << build_date() << '\n'
        << "IID         " << meta.value(QStringLiteral("IID")).toString() << '\n'
        << "class       " << meta.value(QStringLiteral("className")).toString() << '\n'
        << "metadata    "
        << QString::fromUtf8(QJsonDocument(meta.value(QStringLiteral("MetaData")).toObject())
                                 .toJson(QJsonDocument::Compact))
        << '\n';
    out << "model       " << (model ? model->value().toString() : QString()) << '\n'
        << "name        " << (name ? name->value().toString() : QString()) << '\n'
        << "icon        " << icon_text(device->icon()) << '\n'
        << "user page   " << device->userProperty().join(QLatin1Char(' ')) << '\n'
        << "system page " << device->sysProperty().join(QLatin1Char(' ')) << '\n'
        << "links       " << device_links(*device).join(QLatin1Char(' ')) << "\n\n";

    out << keys.size() << " properties:\n";
    for (const QByteArray &key : keys) {
        const VXDeviceProperty *p = device->property_ptr(key.constData());
        if (!p)
            continue;
        out << QString::fromLatin1(key).leftJustified(18) << ' ' << label_with_unit(p)
            << "\n    default " << value_text(p->value()) << "  kind " << kind_name(p->cmd_type())
            << "  read " << printable(p->get_cmd_bytes()) << "  write " << printable(p->set_cmd_bytes())
            << '\n';
    }
    return 0;
}

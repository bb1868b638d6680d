#include "command_table.h"
#include "plugin_host.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QJsonDocument>
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

} // namespace

// Prints what a host learns from the plugin: build date, metadata, the
// model, and every property of a fresh instance with its frames.
int run_info(const Invocation &call)
{
    const PluginHost &host = *call.host;
    QTextStream &out = call.out;
    VXDeviceInterface *root = host.root();
    const QJsonObject meta = host.metadata();
    out << "plugin      " << host.file_name() << '\n'
        << "build date  " << VXDeviceInterface::buildDate() << '\n'
        << "IID         " << meta.value(QStringLiteral("IID")).toString() << '\n'
        << "class       " << meta.value(QStringLiteral("className")).toString() << '\n'
        << "metadata    "
        << QString::fromUtf8(QJsonDocument(meta.value(QStringLiteral("MetaData")).toObject())
                                 .toJson(QJsonDocument::Compact))
        << '\n';

    QScopedPointer<VXDeviceInterface> device(root->initInstance());
    if (!device) {
        out << "the plugin handed out no device instance\n";
        return 1;
    }
    const VXDeviceProperty *model = device->property_ptr("DEVICE_MODEL");
    const VXDeviceProperty *name = device->property_ptr("DEVICE_MODEL_NAME");
    out << "model       " << (model ? model->value().toString() : QString()) << '\n'
        << "name        " << (name ? name->value().toString() : QString()) << '\n'
        << "icon        U+" << QString::number(device->icon(), 16).toUpper() << '\n'
        << "user page   " << device->userProperty().join(QLatin1Char(' ')) << '\n'
        << "system page " << device->sysProperty().join(QLatin1Char(' ')) << "\n\n";

    const QList<QByteArray> keys = device->dynamicPropertyNames();
    out << keys.size() << " properties:\n";
    for (const QByteArray &key : keys) {
        const VXDeviceProperty *p = device->property_ptr(key.constData());
        if (!p)
            continue;
        out << QString::fromLatin1(key).leftJustified(18) << ' ' << p->label();
        if (!p->uint().isEmpty())
            out << ' ' << p->uint();
        out << "\n    value " << value_text(p->value()) << "  kind " << kind_name(p->cmd_type())
            << "  read " << printable(p->get_cmd_bytes()) << "  write " << printable(p->set_cmd_bytes())
            << '\n';
    }
    return 0;
}

#include "catalogue_builder_p.h"

#include "property_store_p.h"
#include "vxdeviceproperty.h"
#include "vxeditor.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDateTime>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QHash>
#include <QtCore/QLoggingCategory>

Q_LOGGING_CATEGORY(lcCatalogue, "vx.catalogue", QtInfoMsg)

namespace vx {
namespace {

QString translated(const char *context, const char *text)
{
    if (!text || !*text)
        return QLatin1String("");
    return QCoreApplication::translate(context, text);
}

// The given items, translated in the context when there is one.
QStringList item_list(const Items &items, const char *context = nullptr)
{
    QStringList list;
    for (const char *item : items) {
        if (item)
            list << (context ? translated(context, item) : QString::fromUtf8(item));
    }
    return list;
}

QVariant initial_value(const CatalogueRow &row, const char *context)
{
    const InitialValue &v = row.initial;
    switch (v.kind) {
    case InitialValue::Invalid: return QVariant();
    case InitialValue::Int: return int(v.number);
    case InitialValue::UInt: return uint(v.number);
    case InitialValue::Double: return v.number;
    case InitialValue::Text: return QString::fromUtf8(v.text);
    case InitialValue::TranslatedText: return translated(context, v.text);
    case InitialValue::Bytes: return QByteArray();
    case InitialValue::JsonObject:
        return QJsonDocument::fromJson(QByteArray(v.text ? v.text : "{}")).object();
    case InitialValue::Now: return QDateTime::currentDateTime();
    case InitialValue::KeyList: return item_list(row.members);
    }
    return QVariant();
}

// Filled from static initialisers, so made on first use.
QHash<QByteArray, std::pair<const char *, NamedCatalogue>> &registry()
{
    static QHash<QByteArray, std::pair<const char *, NamedCatalogue>> catalogues; // with their context
    return catalogues;
}

QJsonObject editor_description(const Editor &editor, const char *context)
{
    QJsonObject description{{QStringLiteral("widget"), QString::fromLatin1(editor.widget)}};
    if (editor.limited) {
        description.insert(QStringLiteral("min"), editor.min);
        description.insert(QStringLiteral("max"), editor.max);
    }
    if (editor.scaled)
        description.insert(QStringLiteral("factor"), editor.factor);
    const QStringList items = item_list(editor.items, context);
    if (!items.isEmpty())
        description.insert(QStringLiteral("option"), items.join(QLatin1Char(';')));
    return description;
}

} // namespace

void add_catalogue(VXDeviceInterface *device, const char *context, const CatalogueRow *rows,
                   std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const CatalogueRow &row = rows[i];
        auto *property = new VXDeviceProperty(nullptr);
        const QString unit = row.unit_translated ? translated(context, row.unit)
                                                 : QString::fromUtf8(row.unit);
        property->init(initial_value(row, context), translated(context, row.label), unit, row.read,
                       row.write, row.len, row.kind, item_list(row.params));
        for (const char *member : row.members) {
            if (member)
                attach_property(property, member, held_property(device, member));
        }
        if (row.editor.widget)
            property->setProperty(VXEditor::kKey, editor_description(row.editor, context));
        attach_property(device, row.key, property);
    }
}

bool register_catalogues(const char *context, std::initializer_list<NamedCatalogue> catalogues)
{
    for (const NamedCatalogue &catalogue : catalogues)
        registry().insert(catalogue.name, {context, catalogue});
    return true;
}

bool fill_catalogue(VXDeviceInterface *device, const char *name)
{
    const auto found = registry().constFind(name);
    if (found == registry().cend()) {
        qCWarning(lcCatalogue) << "no catalogue named" << name;
        return false;
    }
    add_catalogue(device, found->first, found->second.rows, found->second.count);
    return true;
}

} // namespace vx

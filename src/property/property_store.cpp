#include "property_store_p.h"

#include "vxdeviceproperty.h"

#include <QtCore/QSet>
#include <QtCore/QVariant>

namespace vx {

void attach_property(QObject *holder, const char *key, VXDeviceProperty *property)
{
    // A property knows its key by name, for the messages that speak of it.
    if (property && property->objectName().isEmpty())
        property->setObjectName(QLatin1String(key));
    holder->setProperty(key, QVariant::fromValue(static_cast<void *>(property)));
}

void replace_property(QObject *holder, const char *key, VXDeviceProperty *property)
{
    VXDeviceProperty *previous = held_property(holder, key);
    attach_property(holder, key, property);
    if (previous != property)
        delete previous;
}

VXDeviceProperty *held_property(const QObject *holder, const char *key)
{
    QVariant held = holder->property(key);
    if (!held.isValid() || held.isNull())
        return nullptr;
    // Only a value that really converts to a pointer is a property; an
    // editor description (a JSON object) is not, and gives null.
    return static_cast<VXDeviceProperty *>(held.value<void *>());
}

void delete_held_properties(QObject *holder)
{
    QSet<VXDeviceProperty *> deleted;
    const QList<QByteArray> names = holder->dynamicPropertyNames();
    for (const QByteArray &name : names) {
        VXDeviceProperty *property = held_property(holder, name.constData());
        if (property && !deleted.contains(property)) {
            deleted.insert(property);
            delete property;
        }
        holder->setProperty(name.constData(), QVariant());
    }
}

} // namespace vx

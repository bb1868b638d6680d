#pragma once

#include <QtCore/QLoggingCategory>
#include <QtCore/QObject>

class VXDeviceProperty;

// The property subsystem's logging category, defined with the codec.
Q_DECLARE_LOGGING_CATEGORY(lcProperty)

// How devices and composite properties hold properties: a dynamic Qt
// property named by the key whose value is the property's address as a
// void* variant. Internal to the plugin; hosts go through property_ptr.
namespace vx {

// Stores the pointer under the key; an earlier entry is overwritten, not
// deleted. A property without a name is named after the key.
void attach_property(QObject *holder, const char *key, VXDeviceProperty *property);

// Stores the pointer under the key and deletes the property it replaces.
void replace_property(QObject *holder, const char *key, VXDeviceProperty *property);

// The property held under the key, or null for a missing or non-pointer entry.
VXDeviceProperty *held_property(const QObject *holder, const char *key);

// Deletes every property the holder points to, exactly once, and removes
// every dynamic property entry.
void delete_held_properties(QObject *holder);

} // namespace vx

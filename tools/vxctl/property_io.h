#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

class VXDeviceInterface;
class VXDeviceProperty;

// Reading and writing settings the way a host does: build the property's
// frame, send it, and watch the value the reply leaves behind.

// Keys whose read command is a command to the machine (status and QR-code
// requests, job control) rather than a setting.
bool is_machine_command(const QString &key);

// The settings a device can read, in registration order.
QStringList readable_settings(VXDeviceInterface *device);

// Sends the read commands and waits for the replies; the keys that did not
// answer in time keep their old values and are returned.
QStringList read_values(VXDeviceInterface *device, const QStringList &keys, int timeout_ms);

// The value as text; a composite shows its parts separated by commas.
QString value_text(const VXDeviceProperty *property);

// Sets the value from text in the property's own type (a composite takes
// one comma-separated part per sub-property). False with a reason.
bool assign_value(VXDeviceProperty *property, const QString &text, QString *error);

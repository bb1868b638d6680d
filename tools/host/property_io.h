#pragma once

#include <QtCore/QHash>
#include <QtCore/QJsonValue>
#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>

class VXDeviceInterface;
class VXDeviceProperty;

// Reading and writing settings the way a host does: build the property's
// frame, send it, and watch the value the reply leaves behind.

// Keys whose command makes the machine do something (job control, the
// job status and QR-code requests, jogging) rather than hold a setting.
bool is_action(const QString &key);

// The settings a device can read, in registration order.
QStringList readable_settings(VXDeviceInterface *device);

// What became of one read.
struct ReadOutcome
{
    enum Kind { Read, Refused, Empty, Silent }; // Empty: answered without a value
    Kind kind = Silent;
    int result = 0;  // Refused: the machine's result
    QString qr_code; // a value the machine gave as a QR-code reply
};

// Sends the read commands and waits for the replies, at most timeout_ms.
// A key that was not read keeps its old value.
QHash<QString, ReadOutcome> read_settings(VXDeviceInterface *device, const QStringList &keys, int timeout_ms);
// The same; the keys that were not read are returned.
QStringList read_values(VXDeviceInterface *device, const QStringList &keys, int timeout_ms);

// What became of one write, as far as the machine says.
struct WriteOutcome
{
    enum Kind {
        Kept,       // read back with the value sent
        Refused,    // the machine answered the write with a result
        Differs,    // read back with another value (held)
        Unreadable, // no read command: written blind (result 0: answered, -1: no answer)
        NotReadBack // the read back did not give a value (read says how)
    };
    Kind kind = NotReadBack;
    int result = -1; // the write's result; -1 without an answer
    QString held;    // Differs: the value the machine holds
    ReadOutcome read;
};

// Sends each key's write with its property's value, waits for the answers
// (at most timeout_ms), then reads back the keys the machine did not refuse.
QHash<QString, WriteOutcome> write_settings(VXDeviceInterface *device, const QStringList &keys, int timeout_ms);

// The label and the unit for a person; a unit the label already says
// ("Copies", "copies") is left out.
QString label_with_unit(const VXDeviceProperty *property);

// The value as text; a composite shows its parts separated by commas.
QString value_text(const VXDeviceProperty *property);

// The properties that hold the value: the sub-properties of a composite,
// or the property itself.
QList<VXDeviceProperty *> value_holders(VXDeviceProperty *property);

// The value for JSON: numbers as numbers, a composite as an array.
QJsonValue value_json(VXDeviceProperty *property);

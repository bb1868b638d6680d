#pragma once

#include <QtCore/QString>

class VXDeviceProperty;

// Checks a value given as text against what the property's own editor
// accepts (VXEditor: range or options, factor) and its value type, then sets
// it; a composite takes one comma-separated part per sub-property. False,
// with an explanation in the user's terms, when the value does not fit.
bool assign_checked(VXDeviceProperty *property, const QString &key, const QString &text, QString *error);

// The property's unit as the user reads it, without the label's brackets.
QString unit_text(const VXDeviceProperty *property);

// A range as the user is told it: "10 to 300 mm/s".
QString range_text(double min, double max, const QString &unit);

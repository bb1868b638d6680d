#pragma once

#include <QtCore/QString>

class VXDeviceProperty;

// Checks a value given as text against the property's own editor (its
// "WIDGET" description: range, options, factor) and value type, then sets
// it; a composite takes one comma-separated part per sub-property. False,
// with an explanation in the user's terms, when the value does not fit.
bool assign_checked(VXDeviceProperty *property, const QString &key, const QString &text, QString *error);

#pragma once

#include "vxexport.h"

#include <QtCore/QJsonObject>
#include <QtCore/QStringList>

class QWidget;
class VXDeviceProperty;

// A property's editor as its description (a JSON object held under kKey) gives it: the kind of control,
// the factor (shown = value x factor) and what it accepts. Each kind is one row of a table.
class VX_EXPORT VXEditor
{
public:
    static const char kKey[];

    // The host's page (a widget with a layout), the control's object name, a row with or without the unit.
    struct Place { VXDeviceProperty *property; const QJsonObject &description; QWidget *page; const QString &name;
                   bool show_unit; };
    struct Held { VXDeviceProperty *property; QWidget *control; double factor; }; // control: what make returned
    // In the units the control shows: a range, or a choice whose index is the value.
    struct Accepts { bool limited = false; double min = 0; double max = 0; QStringList options; };
    // The description's "widget"; how its control is built, shows the value, takes it back; what it accepts
    // (null: any value of the property's type).
    struct Kind { const char *name; QWidget *(*make)(const Place &at); void (*show)(const Held &held);
                  void (*take)(const Held &held); Accepts (*accepts)(const QJsonObject &description); };

    explicit VXEditor(const QObject *property);
    Accepts accepts() const;

    bool described = false;
    QJsonObject description;
    const Kind *kind = nullptr; // none for a kind no row names
    double factor = 1.0;

    // A new kind, or a new row for the kind of that name; in the GUI thread, as editors are built.
    static void add_kind(const Kind &kind);
    // A labelled row on the page with the control new_control builds into it.
    static QWidget *control_row(const Place &at, QWidget *(*new_control)(const QJsonObject &, QWidget *row));
};

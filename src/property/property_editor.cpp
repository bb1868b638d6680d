// The editor control of a property, built from its "WIDGET" description
// into a host page, filled from the value and read back into it.
#include "vxdeviceproperty.h"

#include "property_store_p.h"

#include <QtCore/QJsonObject>
#include <QtCore/QJsonValue>
#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDoubleSpinBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListView>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QTabWidget>

#include <cmath>
#include <limits>

namespace {

constexpr const char *kDescriptionKey = "WIDGET";
constexpr const char *kControlKey = "UI_CTRL";
constexpr int kRowSpacing = 5;
constexpr int kMinimumHeight = 28;
constexpr int kLabelStretch = 1;
constexpr int kControlStretch = 3;
constexpr int kUnitStretch = 1;
constexpr int kPageSpacing = 12;
const QMargins kPageMargins(30, 10, 10, 30);

// The description, or an empty object with ok false when there is none.
QJsonObject description_of(const QObject *property, bool *ok)
{
    const QVariant held = property->property(kDescriptionKey);
    *ok = held.isValid() && !held.isNull();
    return *ok ? held.toJsonObject() : QJsonObject();
}

QWidget *control_of(const QObject *property)
{
    const QVariant held = property->property(kControlKey);
    return held.userType() == QMetaType::VoidStar ? static_cast<QWidget *>(held.value<void *>()) : nullptr;
}

// Truncates toward zero; values beyond the int range (a zero factor gives
// infinity) are held at its ends, and NaN gives 0.
int truncated(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}

int bound_of(const QJsonObject &description, const char *key, int fallback)
{
    const QJsonValue bound = description.value(QLatin1String(key));
    return bound.isDouble() ? truncated(bound.toDouble()) : fallback;
}

// General notation with six significant digits.
QString scaled_text(double value)
{
    return QStringLiteral("%1").arg(value, 0, 'g', -1);
}

struct SubProperty
{
    QString key;
    VXDeviceProperty *property;
};

// The sub-properties in the order they were set on the holder; the
// description and the holder's own control are entries, not properties.
QList<SubProperty> sub_properties(const VXDeviceProperty *holder)
{
    QList<SubProperty> list;
    for (const QByteArray &key : holder->dynamicPropertyNames()) {
        if (key == kDescriptionKey || key == kControlKey)
            continue;
        if (VXDeviceProperty *sub = vx::held_property(holder, key.constData()))
            list << SubProperty{QString::fromLatin1(key), sub};
    }
    return list;
}

// Where a control is built: into the host's page (a widget with a layout),
// under the given object name, its row with or without the unit.
struct Placement
{
    VXDeviceProperty *property;
    const QJsonObject &description;
    QWidget *page;
    const QString &name;
    bool show_unit;
};

// A built control, the property it shows and the description's factor.
struct Held
{
    VXDeviceProperty *property;
    QWidget *control;
    double factor;
};

// A labelled row on the page: the caption, the control that `make_control`
// builds into the row (none leaves the caption alone), and the unit.
template<typename MakeControl>
QWidget *add_row(const Placement &at, MakeControl make_control)
{
    auto *row = new QWidget(at.page);
    auto *row_layout = new QHBoxLayout(row);
    row_layout->setSpacing(kRowSpacing);
    auto *caption = new QLabel(at.property->label(), row);
    caption->setAlignment(Qt::AlignCenter);
    caption->setMinimumHeight(kMinimumHeight);
    row_layout->addWidget(caption, kLabelStretch);
    QWidget *control = make_control(row);
    if (control) {
        control->setObjectName(at.name);
        row_layout->addWidget(control, kControlStretch);
    }
    if (at.show_unit)
        row_layout->addWidget(new QLabel(at.property->uint(), row), kUnitStretch);
    at.page->layout()->addWidget(row);
    return control;
}

// A row holding one control, made by `new_control` from the description.
template<QWidget *(*new_control)(const QJsonObject &description, QWidget *row)>
QWidget *control_row(const Placement &at)
{
    return add_row(at, [&at](QWidget *row) {
        QWidget *control = new_control(at.description, row);
        control->setMinimumHeight(kMinimumHeight);
        return control;
    });
}

QWidget *new_spin_box(const QJsonObject &description, QWidget *row)
{
    auto *spin = new QSpinBox(row);
    spin->setRange(bound_of(description, "min", 0), bound_of(description, "max", 1000));
    spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spin->setAlignment(Qt::AlignCenter);
    return spin;
}

void show_spin_box(const Held &held)
{
    if (auto *spin = qobject_cast<QSpinBox *>(held.control))
        spin->setValue(truncated(held.property->value().toInt() * held.factor));
}

void take_spin_box(const Held &held)
{
    if (auto *spin = qobject_cast<QSpinBox *>(held.control))
        held.property->setValue(truncated(spin->value() / held.factor));
}

QWidget *new_double_spin_box(const QJsonObject &description, QWidget *row)
{
    auto *spin = new QDoubleSpinBox(row);
    spin->setDecimals(3); // before the range, which is rounded to the decimals
    spin->setRange(description.value(QLatin1String("min")).toDouble(0.0),
                   description.value(QLatin1String("max")).toDouble(0.0));
    spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spin->setAlignment(Qt::AlignCenter);
    return spin;
}

void show_double_spin_box(const Held &held)
{
    if (auto *spin = qobject_cast<QDoubleSpinBox *>(held.control))
        spin->setValue(held.property->value().toDouble() * held.factor);
}

void take_double_spin_box(const Held &held)
{
    if (auto *spin = qobject_cast<QDoubleSpinBox *>(held.control))
        held.property->setValue(spin->value() / held.factor);
}

QWidget *new_combo_box(const QJsonObject &description, QWidget *row)
{
    auto *combo = new QComboBox(row);
    combo->setView(new QListView(combo));
    combo->addItems(description.value(QLatin1String("option"))
                        .toString()
                        .split(QLatin1Char(';'), Qt::KeepEmptyParts));
    return combo;
}

void show_combo_box(const Held &held)
{
    if (auto *combo = qobject_cast<QComboBox *>(held.control))
        combo->setCurrentIndex(truncated(held.property->value().toInt() * held.factor));
}

void take_combo_box(const Held &held)
{
    if (auto *combo = qobject_cast<QComboBox *>(held.control))
        held.property->setValue(truncated(combo->currentIndex() / held.factor));
}

QWidget *new_line_edit(const QJsonObject &, QWidget *row)
{
    auto *edit = new QLineEdit(row);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

void show_line_edit(const Held &held)
{
    const QVariant &value = held.property->value();
    if (auto *edit = qobject_cast<QLineEdit *>(held.control))
        edit->setText(held.factor == 1.0 ? value.toString() : scaled_text(value.toDouble() * held.factor));
}

// An edit always reads back as text, scaled or not.
void take_line_edit(const Held &held)
{
    if (auto *edit = qobject_cast<QLineEdit *>(held.control)) {
        held.property->setValue(held.factor == 1.0 ? edit->text()
                                                   : scaled_text(edit->text().toDouble() / held.factor));
    }
}

QWidget *new_label(const QJsonObject &, QWidget *row)
{
    auto *label = new QLabel(row);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void show_label(const Held &held)
{
    if (auto *label = qobject_cast<QLabel *>(held.control))
        label->setText(held.property->value().toString());
}

void take_label(const Held &held)
{
    if (auto *label = qobject_cast<QLabel *>(held.control))
        held.property->setValue(label->text());
}

void make_members(VXDeviceProperty *holder, QWidget *into, bool show_unit)
{
    for (const SubProperty &sub : sub_properties(holder))
        sub.property->create_ui_ctrl(into, sub.key, show_unit);
}

// The members side by side in a plain container, their rows without units.
QWidget *make_group(const Placement &at)
{
    return add_row(at, [&at](QWidget *row) {
        auto *container = new QWidget(row);
        new QHBoxLayout(container);
        make_members(at.property, container, false);
        return container;
    });
}

// The members' rows on a page of the tab widget; consecutive tab
// properties built into one page share its tab widget.
QWidget *make_tab_page(const Placement &at)
{
    auto *tabs = at.page->findChild<QTabWidget *>(QString(), Qt::FindDirectChildrenOnly);
    if (!tabs) {
        tabs = new QTabWidget(at.page);
        at.page->layout()->addWidget(tabs);
    }
    auto *tab_page = new QWidget;
    auto *tab_layout = new QVBoxLayout(tab_page);
    tab_layout->setContentsMargins(kPageMargins);
    tab_layout->setSpacing(kPageSpacing);
    make_members(at.property, tab_page, true);
    tabs->addTab(tab_page, at.property->label());
    return tab_page;
}

void show_members(const Held &held)
{
    for (const SubProperty &sub : sub_properties(held.property))
        sub.property->to_ui_ctrl();
}

void take_members(const Held &held)
{
    for (const SubProperty &sub : sub_properties(held.property))
        sub.property->from_ui_ctrl();
}

// An editor kind: how it builds its control(s) into a page (returning the
// control to hold), shows the value in them and takes it back.
struct EditorKind
{
    const char *name; // the description's "widget"
    QWidget *(*make)(const Placement &at);
    void (*show)(const Held &held);
    void (*take)(const Held &held);
};

const EditorKind kEditorKinds[] = {
    {"QSpinBox", control_row<new_spin_box>, show_spin_box, take_spin_box},
    {"QDoubleSpinBox", control_row<new_double_spin_box>, show_double_spin_box, take_double_spin_box},
    {"QComboBox", control_row<new_combo_box>, show_combo_box, take_combo_box},
    {"QLineEdit", control_row<new_line_edit>, show_line_edit, take_line_edit},
    {"QLabel", control_row<new_label>, show_label, take_label},
    {"QGroupBox", make_group, show_members, take_members},
    {"QTabWidget", make_tab_page, show_members, take_members},
};

const EditorKind *kind_of(const QJsonObject &description)
{
    const QString name = description.value(QLatin1String("widget")).toString();
    for (const EditorKind &kind : kEditorKinds) {
        if (name == QLatin1String(kind.name))
            return &kind;
    }
    return nullptr;
}

// The kind of the property's built editor, with its control; none without
// a description of a known kind or before the control is built.
const EditorKind *built_editor(VXDeviceProperty *property, Held *held)
{
    bool described = false;
    const QJsonObject description = description_of(property, &described);
    QWidget *control = control_of(property);
    if (!described || !control)
        return nullptr;
    *held = Held{property, control, description.value(QLatin1String("factor")).toDouble(1.0)};
    return kind_of(description);
}

} // namespace

void VXDeviceProperty::create_ui_ctrl(QWidget *parent, QString name, bool show_unit)
{
    bool described = false;
    const QJsonObject description = description_of(this, &described);
    if (!described)
        return;
    if (!parent || !parent->layout()) {
        qCWarning(lcProperty) << "VXDeviceProperty::create_ui_ctrl" << name << "needs a parent with a layout";
        return;
    }
    const Placement at{this, description, parent, name, show_unit};
    const EditorKind *kind = kind_of(description);
    if (!kind) {
        qCDebug(lcProperty) << "VXDeviceProperty::create_ui_ctrl" << name << "has no control of kind"
                            << description.value(QLatin1String("widget")).toString();
        add_row(at, [](QWidget *) -> QWidget * { return nullptr; });
        return;
    }
    if (QWidget *control = kind->make(at))
        setProperty(kControlKey, QVariant::fromValue(static_cast<void *>(control)));
}

void VXDeviceProperty::to_ui_ctrl()
{
    Held held{};
    if (const EditorKind *kind = built_editor(this, &held))
        kind->show(held);
}

void VXDeviceProperty::from_ui_ctrl()
{
    Held held{};
    if (const EditorKind *kind = built_editor(this, &held))
        kind->take(held);
}

// The editor control of a property, built from its description into a
// host page, filled from the value and read back into it: one row per kind.
#include "vxdeviceproperty.h"
#include "vxeditor.h"

#include "property_store_p.h"

#include <QtCore/QJsonObject>
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
#include <type_traits>

using Place = VXEditor::Place;
using Held = VXEditor::Held;
using Accepts = VXEditor::Accepts;

const char VXEditor::kKey[] = "WIDGET";

namespace {

constexpr const char *kControlKey = "UI_CTRL";
constexpr int kRowSpacing = 5;
constexpr int kMinimumHeight = 28;
constexpr int kLabelStretch = 1;
constexpr int kControlStretch = 3;
constexpr int kUnitStretch = 1;
constexpr int kPageSpacing = 12;
const QMargins kPageMargins(30, 10, 10, 30);

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

// General notation with six significant digits.
QString scaled_text(double value)
{
    return QStringLiteral("%1").arg(value, 0, 'g', -1);
}

struct SubProperty { QString key; VXDeviceProperty *property; };

// The sub-properties in the order they were set on the holder; the
// description and the holder's own control are entries, not properties.
QList<SubProperty> sub_properties(const VXDeviceProperty *holder)
{
    QList<SubProperty> list;
    for (const QByteArray &key : holder->dynamicPropertyNames()) {
        if (key == VXEditor::kKey || key == kControlKey)
            continue;
        if (VXDeviceProperty *sub = vx::held_property(holder, key.constData()))
            list << SubProperty{QString::fromLatin1(key), sub};
    }
    return list;
}

// A labelled row on the page: the caption, the control that `make_control`
// builds into the row (none leaves the caption alone), and the unit.
template<typename MakeControl>
QWidget *add_row(const Place &at, MakeControl make_control)
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

template<QWidget *(*new_control)(const QJsonObject &description, QWidget *row)>
QWidget *control_row(const Place &at)
{
    return VXEditor::control_row(at, new_control);
}

// How a kind's control holds the value: shown = value x factor, truncated
// to a whole number, as a real one, or as text (scaled only with a factor
// other than 1); or the text as it is, without the factor.
enum Scaling { Whole, Real, Text, Plain };
constexpr char kValue[] = "value";
constexpr char kIndex[] = "currentIndex";
constexpr char kText[] = "text";

// The value shown, or (back) the value of what is shown.
QVariant scaled(const QVariant &value, double factor, Scaling scaling, bool back)
{
    const auto times = [factor, back](double v) { return back ? v / factor : v * factor; };
    switch (scaling) {
    case Whole: return truncated(times(value.toInt()));
    case Real: return times(value.toDouble());
    case Text: return factor == 1.0 ? value.toString() : scaled_text(times(value.toDouble()));
    default: return value.toString();
    }
}

// Shows the value in the control's Qt property `name`, or takes it back.
template<const char *name, Scaling scaling, bool back>
void carry(const Held &held)
{
    if (held.control->metaObject()->indexOfProperty(name) < 0)
        return;
    if (back)
        held.property->setValue(scaled(held.control->property(name), held.factor, scaling, true));
    else
        held.control->setProperty(name, scaled(held.property->value(), held.factor, scaling, false));
}

// Whole bounds, held in the int range.
Accepts spin_box_accepts(const QJsonObject &description)
{
    const auto bound = [&description](const char *key, double fallback) {
        const QJsonValue value = description.value(QLatin1String(key));
        return value.isDouble() ? double(truncated(value.toDouble())) : fallback;
    };
    return {true, bound("min", 0), bound("max", 1000), {}};
}

// Without bounds the box holds 0 alone, yet a typed value is not limited.
Accepts double_spin_box_accepts(const QJsonObject &description)
{
    return {description.contains(QLatin1String("min")), description.value(QLatin1String("min")).toDouble(0.0),
            description.value(QLatin1String("max")).toDouble(0.0), {}};
}

template<typename Box, Accepts (*accepts)(const QJsonObject &)>
QWidget *new_spin_box(const QJsonObject &description, QWidget *row)
{
    auto *spin = new Box(row);
    if constexpr (std::is_same_v<Box, QDoubleSpinBox>)
        spin->setDecimals(3); // before the range, which is rounded to the decimals
    const Accepts range = accepts(description);
    spin->setRange(range.min, range.max);
    spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spin->setAlignment(Qt::AlignCenter);
    return spin;
}

Accepts combo_box_accepts(const QJsonObject &description)
{
    const QStringList options =
        description.value(QLatin1String("option")).toString().split(QLatin1Char(';'), Qt::KeepEmptyParts);
    return {true, 0.0, double(options.size() - 1), options};
}

QWidget *new_combo_box(const QJsonObject &description, QWidget *row)
{
    auto *combo = new QComboBox(row);
    combo->setView(new QListView(combo));
    combo->addItems(combo_box_accepts(description).options);
    return combo;
}

QWidget *new_line_edit(const QJsonObject &, QWidget *row)
{
    auto *edit = new QLineEdit(row);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

QWidget *new_label(const QJsonObject &, QWidget *row)
{
    auto *label = new QLabel(row);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void make_members(VXDeviceProperty *holder, QWidget *into, bool show_unit)
{
    for (const SubProperty &sub : sub_properties(holder))
        sub.property->create_ui_ctrl(into, sub.key, show_unit);
}

// The members side by side in a plain container, their rows without units.
QWidget *make_group(const Place &at)
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
QWidget *make_tab_page(const Place &at)
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

// Shows the members' values, or takes them back.
template<void (VXDeviceProperty::*each)()>
void members(const Held &held)
{
    for (const SubProperty &sub : sub_properties(held.property))
        (sub.property->*each)();
}

// A list: the rows stay where they are while others are added.
QList<VXEditor::Kind> &kinds()
{
    static QList<VXEditor::Kind> rows{
        {"QSpinBox", control_row<new_spin_box<QSpinBox, spin_box_accepts>>, carry<kValue, Whole, false>,
         carry<kValue, Whole, true>, spin_box_accepts},
        {"QDoubleSpinBox", control_row<new_spin_box<QDoubleSpinBox, double_spin_box_accepts>>,
         carry<kValue, Real, false>, carry<kValue, Real, true>, double_spin_box_accepts},
        {"QComboBox", control_row<new_combo_box>, carry<kIndex, Whole, false>, carry<kIndex, Whole, true>,
         combo_box_accepts},
        {"QLineEdit", control_row<new_line_edit>, carry<kText, Text, false>, carry<kText, Text, true>, nullptr},
        {"QLabel", control_row<new_label>, carry<kText, Plain, false>, carry<kText, Plain, true>, nullptr},
        {"QGroupBox", make_group, members<&VXDeviceProperty::to_ui_ctrl>, members<&VXDeviceProperty::from_ui_ctrl>,
         nullptr},
        {"QTabWidget", make_tab_page, members<&VXDeviceProperty::to_ui_ctrl>,
         members<&VXDeviceProperty::from_ui_ctrl>, nullptr},
    };
    return rows;
}

} // namespace

VXEditor::VXEditor(const QObject *property)
{
    const QVariant held = property->property(kKey);
    described = held.isValid() && !held.isNull();
    description = held.toJsonObject();
    factor = description.value(QLatin1String("factor")).toDouble(1.0);
    const QString name = description.value(QLatin1String("widget")).toString();
    for (const Kind &row : kinds())
        kind = !kind && described && name == QLatin1String(row.name) ? &row : kind;
}

VXEditor::Accepts VXEditor::accepts() const
{
    return kind && kind->accepts ? kind->accepts(description) : Accepts();
}

void VXEditor::add_kind(const Kind &kind)
{
    for (Kind &row : kinds()) {
        if (qstrcmp(row.name, kind.name) == 0) {
            row = kind;
            return;
        }
    }
    kinds() << kind;
}

QWidget *VXEditor::control_row(const Place &at, QWidget *(*new_control)(const QJsonObject &, QWidget *row))
{
    return add_row(at, [&at, new_control](QWidget *row) {
        QWidget *control = new_control(at.description, row);
        control->setMinimumHeight(kMinimumHeight);
        return control;
    });
}

void VXDeviceProperty::create_ui_ctrl(QWidget *parent, QString name, bool show_unit)
{
    const VXEditor editor(this);
    if (!editor.described)
        return;
    if (!parent || !parent->layout()) {
        qCWarning(lcProperty) << "VXDeviceProperty::create_ui_ctrl" << name << "needs a parent with a layout";
        return;
    }
    const Place at{this, editor.description, parent, name, show_unit};
    if (!editor.kind) {
        qCDebug(lcProperty) << "VXDeviceProperty::create_ui_ctrl" << name << "has no control of kind"
                            << editor.description.value(QLatin1String("widget")).toString();
        add_row(at, [](QWidget *) -> QWidget * { return nullptr; });
        return;
    }
    if (QWidget *control = editor.kind->make(at))
        setProperty(kControlKey, QVariant::fromValue(static_cast<void *>(control)));
}

// Nothing without a description of a known kind or before the control is built.
void VXDeviceProperty::to_ui_ctrl()
{
    if (const VXEditor editor(this); editor.kind && control_of(this))
        editor.kind->show({this, control_of(this), editor.factor});
}

void VXDeviceProperty::from_ui_ctrl()
{
    if (const VXEditor editor(this); editor.kind && control_of(this))
        editor.kind->take({this, control_of(this), editor.factor});
}

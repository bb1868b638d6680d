// The editor control of a property, built from its "WIDGET" description
// into a host page, filled from the value and read back into it.
#include "vxdeviceproperty.h"

#include "property_store.h"
#include "vxlogging.h"

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

enum class Kind { None, SpinBox, DoubleSpinBox, ComboBox, LineEdit, Label, GroupBox, TabWidget };

Kind kind_of(const QJsonObject &description)
{
    static const struct
    {
        const char *name;
        Kind kind;
    } kinds[] = {
        {"QSpinBox", Kind::SpinBox},   {"QDoubleSpinBox", Kind::DoubleSpinBox},
        {"QComboBox", Kind::ComboBox}, {"QLineEdit", Kind::LineEdit},
        {"QLabel", Kind::Label},       {"QGroupBox", Kind::GroupBox},
        {"QTabWidget", Kind::TabWidget},
    };
    const QString name = description.value(QLatin1String("widget")).toString();
    for (const auto &entry : kinds) {
        if (name == QLatin1String(entry.name))
            return entry.kind;
    }
    return Kind::None;
}

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
    if (!held.isValid() || held.isNull() || held.userType() != QMetaType::VoidStar)
        return nullptr;
    return static_cast<QWidget *>(held.value<void *>());
}

void set_control(QObject *property, QWidget *control)
{
    property->setProperty(kControlKey, QVariant::fromValue(static_cast<void *>(control)));
}

double factor_of(const QJsonObject &description)
{
    return description.value(QLatin1String("factor")).toDouble(1.0);
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

QWidget *make_control(Kind kind, const QJsonObject &description, QWidget *row)
{
    switch (kind) {
    case Kind::SpinBox: {
        auto *spin = new QSpinBox(row);
        spin->setRange(bound_of(description, "min", 0), bound_of(description, "max", 1000));
        spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
        spin->setAlignment(Qt::AlignCenter);
        return spin;
    }
    case Kind::DoubleSpinBox: {
        auto *spin = new QDoubleSpinBox(row);
        spin->setDecimals(3); // before the range, which is rounded to the decimals
        spin->setRange(description.value(QLatin1String("min")).toDouble(0.0),
                       description.value(QLatin1String("max")).toDouble(0.0));
        spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
        spin->setAlignment(Qt::AlignCenter);
        return spin;
    }
    case Kind::ComboBox: {
        auto *combo = new QComboBox(row);
        combo->setView(new QListView(combo));
        combo->addItems(description.value(QLatin1String("option"))
                            .toString()
                            .split(QLatin1Char(';'), Qt::KeepEmptyParts));
        return combo;
    }
    case Kind::LineEdit: {
        auto *edit = new QLineEdit(row);
        edit->setAlignment(Qt::AlignCenter);
        return edit;
    }
    case Kind::Label: {
        auto *label = new QLabel(row);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setAlignment(Qt::AlignCenter);
        return label;
    }
    case Kind::None:
    case Kind::GroupBox:
    case Kind::TabWidget:
        break;
    }
    return nullptr;
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
    const Kind kind = kind_of(description);

    if (kind == Kind::TabWidget) {
        // Consecutive tab properties built into one parent share its tab widget.
        QTabWidget *tabs = parent->findChild<QTabWidget *>(QString(), Qt::FindDirectChildrenOnly);
        if (!tabs) {
            tabs = new QTabWidget(parent);
            parent->layout()->addWidget(tabs);
        }
        auto *page = new QWidget;
        auto *page_layout = new QVBoxLayout(page);
        page_layout->setContentsMargins(kPageMargins);
        page_layout->setSpacing(kPageSpacing);
        for (const SubProperty &sub : sub_properties(this))
            sub.property->create_ui_ctrl(page, sub.key, true);
        set_control(this, page);
        tabs->addTab(page, label());
        return;
    }

    auto *row = new QWidget(parent);
    auto *row_layout = new QHBoxLayout(row);
    row_layout->setSpacing(kRowSpacing);
    auto *caption = new QLabel(label(), row);
    caption->setAlignment(Qt::AlignCenter);
    caption->setMinimumHeight(kMinimumHeight);
    row_layout->addWidget(caption, kLabelStretch);

    if (kind == Kind::GroupBox) {
        auto *container = new QWidget(row);
        container->setObjectName(name);
        new QHBoxLayout(container);
        row_layout->addWidget(container, kControlStretch);
        for (const SubProperty &sub : sub_properties(this))
            sub.property->create_ui_ctrl(container, sub.key, false);
        set_control(this, container);
    } else if (QWidget *control = make_control(kind, description, row)) {
        control->setObjectName(name);
        control->setMinimumHeight(kMinimumHeight);
        row_layout->addWidget(control, kControlStretch);
        set_control(this, control);
    } else {
        qCDebug(lcProperty) << "VXDeviceProperty::create_ui_ctrl" << name << "has no control of kind"
                            << description.value(QLatin1String("widget")).toString();
    }

    if (show_unit)
        row_layout->addWidget(new QLabel(uint(), row), kUnitStretch);
    parent->layout()->addWidget(row);
}

void VXDeviceProperty::to_ui_ctrl()
{
    bool described = false;
    const QJsonObject description = description_of(this, &described);
    QWidget *control = control_of(this);
    if (!described || !control)
        return;
    const double factor = factor_of(description);

    switch (kind_of(description)) {
    case Kind::SpinBox:
        if (auto *spin = qobject_cast<QSpinBox *>(control))
            spin->setValue(truncated(m_value.toInt() * factor));
        break;
    case Kind::DoubleSpinBox:
        if (auto *spin = qobject_cast<QDoubleSpinBox *>(control))
            spin->setValue(m_value.toDouble() * factor);
        break;
    case Kind::LineEdit:
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            edit->setText(factor == 1.0 ? m_value.toString() : scaled_text(m_value.toDouble() * factor));
        break;
    case Kind::Label:
        if (auto *text = qobject_cast<QLabel *>(control))
            text->setText(m_value.toString());
        break;
    case Kind::ComboBox:
        if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->setCurrentIndex(truncated(m_value.toInt() * factor));
        break;
    case Kind::GroupBox:
    case Kind::TabWidget:
        for (const SubProperty &sub : sub_properties(this))
            sub.property->to_ui_ctrl();
        break;
    case Kind::None:
        break;
    }
}

void VXDeviceProperty::from_ui_ctrl()
{
    bool described = false;
    const QJsonObject description = description_of(this, &described);
    QWidget *control = control_of(this);
    if (!described || !control)
        return;
    const double factor = factor_of(description);

    switch (kind_of(description)) {
    case Kind::SpinBox:
        if (auto *spin = qobject_cast<QSpinBox *>(control))
            setValue(truncated(spin->value() / factor));
        break;
    case Kind::DoubleSpinBox:
        if (auto *spin = qobject_cast<QDoubleSpinBox *>(control))
            setValue(spin->value() / factor);
        break;
    case Kind::LineEdit:
        if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            // An edit always reads back as text, scaled or not.
            setValue(factor == 1.0 ? edit->text() : scaled_text(edit->text().toDouble() / factor));
        }
        break;
    case Kind::Label:
        if (auto *text = qobject_cast<QLabel *>(control))
            setValue(text->text());
        break;
    case Kind::ComboBox:
        if (auto *combo = qobject_cast<QComboBox *>(control))
            setValue(truncated(combo->currentIndex() / factor));
        break;
    case Kind::GroupBox:
    case Kind::TabWidget:
        for (const SubProperty &sub : sub_properties(this))
            sub.property->from_ui_ctrl();
        break;
    case Kind::None:
        break;
    }
}

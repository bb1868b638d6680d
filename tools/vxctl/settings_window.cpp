#include "settings_window.h"

#include "property_io.h"
#include "setting_value.h"
#include "typed_field.h"
#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QHash>
#include <QtCore/QSet>
#include <QtWidgets/QAbstractSpinBox>
#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>

#include <algorithm>

namespace {

const QSize kMinimumWindowSize(560, 360);

// One page: each listed key's property builds its row.
QWidget *build_page(VXDeviceInterface *device, const QStringList &keys, const QString &name)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    auto *layout = new QVBoxLayout(page);
    for (const QString &key : keys) {
        if (VXDeviceProperty *property = device->property_ptr(key.toLatin1().constData()))
            property->create_ui_ctrl(page, key, true);
    }
    layout->addStretch(1); // rows stay at the top of a taller page
    return page;
}

bool is_writable(const VXDeviceProperty *property, const QString &key)
{
    return property->set_cmd_int() != 0 && property->cmd_type() != VXDeviceInterface::UnCMD && !is_action(key);
}

VXDeviceProperty *property_named(VXDeviceInterface *device, const QObject *object)
{
    const QString name = object->objectName();
    return name.isEmpty() ? nullptr : device->property_ptr(name.toLatin1().constData());
}

// The property whose group holds the control ("摄像头偏移" for its "x"), if any.
const VXDeviceProperty *group_of(VXDeviceInterface *device, const QWidget *control)
{
    const VXDeviceProperty *own = property_named(device, control);
    for (const QWidget *w = control->parentWidget(); w; w = w->parentWidget()) {
        const VXDeviceProperty *group = property_named(device, w);
        if (group && group != own)
            return group;
    }
    return nullptr;
}

// The values that make up a setting: its own, or its members'.
QList<QVariant> held_values(VXDeviceProperty *property)
{
    QList<QVariant> values;
    for (const VXDeviceProperty *holder : value_holders(property))
        values << holder->value();
    return values;
}

void restore(VXDeviceProperty *property, const QList<QVariant> &values)
{
    const QList<VXDeviceProperty *> holders = value_holders(property);
    for (int i = 0; i < holders.size() && i < values.size(); ++i)
        holders.at(i)->setValue(values.at(i));
}

// Why a sent setting is not known to be on the machine.
QString unconfirmed_reason(const WriteOutcome &outcome)
{
    if (outcome.kind == WriteOutcome::Unreadable)
        return outcome.result == 0 ? QCoreApplication::translate("vxctl", "answered; it cannot be read back")
                                   : QCoreApplication::translate("vxctl", "no answer; it cannot be read back");
    switch (outcome.read.kind) {
    case ReadOutcome::Refused:
        return QCoreApplication::translate("vxctl", "the read back was refused, result %1").arg(outcome.read.result);
    case ReadOutcome::Empty: return QCoreApplication::translate("vxctl", "the read back came without a value");
    default: return QCoreApplication::translate("vxctl", "no answer when read back");
    }
}

// Puts the change ("压力 200 → 120") into the list of its outcome.
void sort_outcome(const WriteOutcome &outcome, const QString &change, QStringList *written, QStringList *refused,
                  QStringList *differs, QStringList *unconfirmed)
{
    switch (outcome.kind) {
    case WriteOutcome::Kept:
        *written << change;
        break;
    case WriteOutcome::Refused:
        *refused << QCoreApplication::translate("vxctl", "%1 (result %2)").arg(change).arg(outcome.result);
        break;
    case WriteOutcome::Differs:
        *differs << QCoreApplication::translate("vxctl", "%1 (the machine holds %2)").arg(change, outcome.held);
        break;
    default:
        *unconfirmed << QCoreApplication::translate("vxctl", "%1 (%2)").arg(change, unconfirmed_reason(outcome));
        break;
    }
}

} // namespace

SettingsWindow::SettingsWindow(VXDeviceInterface *device, int timeout_ms, const QStringList &unread)
    : m_device(device), m_timeout_ms(timeout_ms), m_unread(unread.cbegin(), unread.cend()), m_tabs(new QTabWidget),
      m_status(new QLabel)
{
    const VXDeviceProperty *model = device->property_ptr("DEVICE_MODEL");
    setWindowTitle(QCoreApplication::translate("vxctl", "%1 settings")
                       .arg(model ? model->value().toString() : QStringLiteral("vxctl")));
    m_tabs->addTab(build_page(device, device->userProperty(), QStringLiteral("settings-user")),
                   QCoreApplication::translate("vxctl", "User settings"));
    m_tabs->addTab(build_page(device, device->sysProperty(), QStringLiteral("settings-system")),
                   QCoreApplication::translate("vxctl", "System settings"));
    for (const QStringList &keys : {device->userProperty(), device->sysProperty()}) {
        for (const QString &key : keys) {
            if (VXDeviceProperty *property = device->property_ptr(key.toLatin1().constData()))
                m_shown << property;
        }
    }
    find_fields();
    show_values();
    auto *buttons = new QDialogButtonBox;
    m_apply = buttons->addButton(QCoreApplication::translate("vxctl", "Apply"), QDialogButtonBox::ApplyRole);
    QPushButton *cancel =
        buttons->addButton(QCoreApplication::translate("vxctl", "Cancel"), QDialogButtonBox::RejectRole);
    connect(m_apply, &QPushButton::clicked, this, &SettingsWindow::apply);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    resize(sizeHint().expandedTo(kMinimumWindowSize));
}

QString SettingsWindow::status_text() const
{
    return m_status->text();
}

// The editors are named by their keys; in page order, the writable
// settings among them, and a watch on each spin box.
void SettingsWindow::find_fields()
{
    QSet<QString> listed;
    for (QWidget *control : m_tabs->findChildren<QWidget *>()) {
        VXDeviceProperty *property = property_named(m_device, control);
        if (!property)
            continue;
        const QString key = control->objectName();
        const VXDeviceProperty *group = group_of(m_device, control);
        const QString label = group ? group->label() + QLatin1Char(' ') + property->label() : property->label();
        if (is_writable(property, key) && !listed.contains(key)) {
            listed << key;
            m_settings << Setting{key, property, label, m_tabs->widget(0)->isAncestorOf(control)};
        }
        // A member's row shows no unit: its group's unit covers all members.
        if (auto *box = qobject_cast<QAbstractSpinBox *>(control))
            m_fields << new TypedField(box, property, label, group ? QString() : unit_text(property));
    }
}

void SettingsWindow::show_values()
{
    for (VXDeviceProperty *property : qAsConst(m_shown))
        property->to_ui_ctrl(); // what the machine holds now
    for (TypedField *field : qAsConst(m_fields))
        field->reset();
    const QHash<VXDeviceProperty *, QList<QVariant>> values = take_fields();
    for (const Setting &setting : qAsConst(m_settings))
        m_untouched.insert(setting.key, value_text(setting.property));
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        restore(it.key(), it.value());
}

// The properties take their fields' values; what they held before is
// returned, for restore() once the values were read.
QHash<VXDeviceProperty *, QList<QVariant>> SettingsWindow::take_fields()
{
    QHash<VXDeviceProperty *, QList<QVariant>> values;
    for (VXDeviceProperty *property : qAsConst(m_shown))
        values.insert(property, held_values(property));
    for (const Setting &setting : qAsConst(m_settings))
        values.insert(setting.property, held_values(setting.property));
    for (VXDeviceProperty *property : qAsConst(m_shown))
        property->from_ui_ctrl();
    return values;
}

QMap<QString, QString> SettingsWindow::user_fields(QStringList *left_out)
{
    const QSet<QString> held_back = settings_not_taken(left_out);
    const QHash<VXDeviceProperty *, QList<QVariant>> values = take_fields();
    QMap<QString, QString> fields;
    for (const Setting &setting : qAsConst(m_settings)) {
        const QString shown = value_text(setting.property);
        if (!setting.user || held_back.contains(setting.key))
            continue;
        if (m_unread.contains(setting.key) && shown == m_untouched.value(setting.key))
            *left_out << QCoreApplication::translate("vxctl", "%1: not read from the machine").arg(setting.label);
        else
            fields.insert(setting.key, shown);
    }
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        restore(it.key(), it.value());
    return fields;
}

void SettingsWindow::fill(const QMap<QString, QString> &values, QStringList *not_filled)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const auto setting = std::find_if(m_settings.cbegin(), m_settings.cend(),
                                          [&](const Setting &s) { return s.key == it.key(); });
        if (setting == m_settings.cend()) {
            *not_filled << QCoreApplication::translate("vxctl", "%1: no such setting on these pages").arg(it.key());
            continue;
        }
        const QList<QVariant> before = held_values(setting->property);
        QString error;
        if (!assign_checked(setting->property, setting->label, it.value(), &error)) {
            *not_filled << error;
            continue;
        }
        setting->property->to_ui_ctrl();
        restore(setting->property, before);
        for (TypedField *field : qAsConst(m_fields)) {
            if (field->key() == setting->key || setting->property->value().toStringList().contains(field->key()))
                field->reset();
        }
    }
}

// The settings with a field that did not take its text, each such field
// told in not_sent.
QSet<QString> SettingsWindow::settings_not_taken(QStringList *not_sent) const
{
    QSet<QString> keys;
    for (const TypedField *field : qAsConst(m_fields)) {
        if (field->taken())
            continue;
        *not_sent << QCoreApplication::translate("vxctl", "%1 takes %2; got “%3”")
                         .arg(field->label(), field->range(), field->typed());
        for (const Setting &setting : qAsConst(m_settings)) {
            if (setting.key == field->key() || setting.property->value().toStringList().contains(field->key()))
                keys << setting.key;
        }
    }
    return keys;
}

// Takes the edits back from the pages, holds back the settings whose text
// a field did not take or that break their setting's rule, writes the
// others that changed and reads them back; then says which were written,
// which the machine refused or did not keep, and which were not sent.
void SettingsWindow::apply()
{
    QStringList not_sent;
    const QSet<QString> held_back = settings_not_taken(&not_sent);
    QHash<QString, QString> before;
    QHash<QString, QList<QVariant>> before_values;
    for (const Setting &setting : qAsConst(m_settings)) {
        before.insert(setting.key, value_text(setting.property));
        before_values.insert(setting.key, held_values(setting.property));
    }
    const auto old_text = [&](const QString &key) {
        return m_unread.contains(key) ? QCoreApplication::translate("vxctl", "(not read)") : before.value(key);
    };
    for (VXDeviceProperty *property : qAsConst(m_shown))
        property->from_ui_ctrl();

    QStringList to_send;
    QHash<QString, QString> change_of; // "压力 200 → 120"
    for (const Setting &setting : qAsConst(m_settings)) {
        const QString wanted = value_text(setting.property);
        QString error;
        if (held_back.contains(setting.key) || wanted == m_untouched.value(setting.key)
            || wanted == before.value(setting.key)) {
            restore(setting.property, before_values.value(setting.key));
        } else if (!assign_checked(setting.property, setting.label, wanted, &error)) {
            // The rule vxctl set checks too: text that would break the frame, say.
            restore(setting.property, before_values.value(setting.key));
            not_sent << error;
        } else {
            to_send << setting.key;
            change_of.insert(setting.key, QCoreApplication::translate("vxctl", "%1 %2 → %3")
                                              .arg(setting.label, old_text(setting.key), wanted));
        }
    }

    QStringList written, refused, differs, unconfirmed;
    if (!to_send.isEmpty()) {
        QStringList changes;
        for (const QString &key : qAsConst(to_send))
            changes << change_of.value(key);
        m_apply->setEnabled(false);
        m_status->setText(QCoreApplication::translate("vxctl", "Writing: %1").arg(changes.join(QStringLiteral("; "))));
        const QHash<QString, WriteOutcome> outcomes = write_settings(m_device, to_send, m_timeout_ms);
        m_apply->setEnabled(true);
        for (const QString &key : qAsConst(to_send)) {
            const WriteOutcome outcome = outcomes.value(key);
            sort_outcome(outcome, change_of.value(key), &written, &refused, &differs, &unconfirmed);
            // A refusal leaves the machine's value as it was.
            if (outcome.kind == WriteOutcome::Kept || outcome.kind == WriteOutcome::Differs)
                m_unread.remove(key);
            else if (outcome.kind != WriteOutcome::Refused)
                m_unread.insert(key);
        }
    }
    show_values();

    const struct
    {
        const QStringList &settings;
        const char *heading;
    } groups[] = {
        {written, QT_TRANSLATE_NOOP("vxctl", "Written: %1.")},
        {refused, QT_TRANSLATE_NOOP("vxctl", "Refused by the machine: %1.")},
        {differs, QT_TRANSLATE_NOOP("vxctl", "Not kept by the machine: %1.")},
        {unconfirmed, QT_TRANSLATE_NOOP("vxctl", "Sent, but unknown whether the machine holds it: %1.")},
        {not_sent, QT_TRANSLATE_NOOP("vxctl", "Not sent: %1.")},
    };
    QStringList lines;
    for (const auto &group : groups) {
        if (!group.settings.isEmpty())
            lines << QCoreApplication::translate("vxctl", group.heading).arg(group.settings.join(QStringLiteral("; ")));
    }
    m_status->setText(lines.isEmpty() ? QCoreApplication::translate("vxctl", "Nothing was changed; nothing was sent.")
                                      : lines.join(QLatin1Char('\n')));
}

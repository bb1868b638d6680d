#pragma once

#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtCore/QMap>
#include <QtCore/QSet>
#include <QtCore/QVariant>
#include <QtWidgets/QWidget>

class QLabel;
class QPushButton;
class QTabWidget;
class TypedField;
class VXDeviceInterface;
class VXDeviceProperty;

// The device's settings as a host shows them: a user page (userProperty)
// and a system page (sysProperty), whose editors the properties build
// themselves, with Apply and Cancel. Apply sends only what the fields took
// and says, per setting, what the machine made of it. The device must
// outlive the window.
class SettingsWindow : public QWidget
{
public:
    // unread: the settings whose value the machine did not give.
    SettingsWindow(VXDeviceInterface *device, int timeout_ms, const QStringList &unread = QStringList());

    QTabWidget *tabs() const { return m_tabs; }
    // What the last Apply came to; empty before one.
    QString status_text() const;

    // The user page's settings as its fields show them now ("SPEED" → "300"),
    // for a host to keep (a material preset). Left out, each told in
    // left_out: a field that did not take its text, and a value the
    // machine did not give that nobody changed.
    QMap<QString, QString> user_fields(QStringList *left_out);
    // Puts each value (as vxctl set takes it) into its setting's fields,
    // checked as vxctl set checks it; nothing is sent until Apply. A value
    // not taken, or of no setting on the pages, is told in not_filled.
    void fill(const QMap<QString, QString> &values, QStringList *not_filled);
    // What the Apply button does.
    void apply();

private:
    // A setting the machine can be told, with an editor on a page.
    struct Setting
    {
        QString key;
        VXDeviceProperty *property;
        QString label;
        bool user; // on the user page
    };

    void find_fields();
    QHash<VXDeviceProperty *, QList<QVariant>> take_fields();
    QSet<QString> settings_not_taken(QStringList *not_sent) const;
    void show_values();

    VXDeviceInterface *m_device;
    int m_timeout_ms;
    QList<VXDeviceProperty *> m_shown;
    QList<Setting> m_settings; // in page order
    QList<TypedField *> m_fields;
    // Each setting's value as its editors give it back untouched: a box
    // cannot show a value beyond its range, and that is no edit to send.
    QHash<QString, QString> m_untouched;
    QSet<QString> m_unread; // their value is the plugin's, not the machine's
    QTabWidget *m_tabs;
    QLabel *m_status;
    QPushButton *m_apply;
};

#pragma once

#include <QtWidgets/QDialog>

class MaterialPresets;
class QComboBox;
class QLabel;
class SettingsWindow;
class VXDeviceInterface;

// The machine's settings (vxctl's settings window: the properties' own
// editors, Apply saying what was written, refused or kept) with named
// material presets above them: save the fields as a preset, apply one
// (its values fill the fields, then Apply runs as the button does),
// delete one. The device and the presets must outlive the dialog.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // unread: the settings whose value the machine did not give.
    SettingsDialog(VXDeviceInterface *device, int timeout_ms, const QStringList &unread, MaterialPresets *presets,
                   QWidget *parent = nullptr);

    SettingsWindow *settings() const { return m_window; }
    // The user page's fields as they are now, saved under the name.
    bool save_preset(const QString &name);
    // Fills the fields from the preset and applies them.
    bool apply_preset(const QString &name);
    bool delete_preset(const QString &name);
    // The presets' last word, then what the last Apply came to.
    QString status_text() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void list_presets(const QString &current);
    void ask_and_save();

    MaterialPresets *m_presets;
    SettingsWindow *m_window;
    QComboBox *m_names;
    QLabel *m_preset_status;
};

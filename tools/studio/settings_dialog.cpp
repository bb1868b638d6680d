#include "settings_dialog.h"

#include "material_presets.h"
#include "settings_window.h"
#include "studio_text_p.h"

#include <QtCore/QEvent>
#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QInputDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

SettingsDialog::SettingsDialog(VXDeviceInterface *device, int timeout_ms, const QStringList &unread,
                               MaterialPresets *presets, QWidget *parent)
    : QDialog(parent), m_presets(presets),
      m_window(new SettingsWindow(device, timeout_ms, unread)), m_names(new QComboBox), m_preset_status(new QLabel)
{
    setWindowTitle(m_window->windowTitle());
    m_names->setObjectName(QStringLiteral("presets"));
    m_preset_status->setWordWrap(true);
    auto *apply = new QPushButton(StudioText::tr("Apply preset"));
    auto *save = new QPushButton(StudioText::tr("Save fields as preset…"));
    auto *remove = new QPushButton(StudioText::tr("Delete preset"));
    connect(apply, &QPushButton::clicked, this, [this] { apply_preset(m_names->currentText()); });
    connect(save, &QPushButton::clicked, this, &SettingsDialog::ask_and_save);
    connect(remove, &QPushButton::clicked, this, [this] { delete_preset(m_names->currentText()); });
    const auto enable = [=] {
        apply->setEnabled(m_names->count() > 0);
        remove->setEnabled(m_names->count() > 0);
    };
    connect(m_names, &QComboBox::currentTextChanged, this, enable);

    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(StudioText::tr("Material preset:")));
    row->addWidget(m_names, 1);
    row->addWidget(apply);
    row->addWidget(save);
    row->addWidget(remove);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_preset_status);
    layout->addWidget(m_window, 1);
    // The window's Cancel closes the dialog, not the window inside it.
    m_window->installEventFilter(this);
    list_presets(QString());
    enable();
}

bool SettingsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close) {
        event->ignore();
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SettingsDialog::list_presets(const QString &current)
{
    m_names->clear();
    m_names->addItems(m_presets->names());
    m_names->setCurrentText(current);
}

void SettingsDialog::ask_and_save()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, StudioText::tr("Save fields as preset"),
                                               StudioText::tr("Name of the material preset:"), QLineEdit::Normal,
                                               m_names->currentText(), &ok);
    if (ok)
        save_preset(name);
}

bool SettingsDialog::save_preset(const QString &name)
{
    QStringList left_out;
    const MaterialPresets::Values values = m_window->user_fields(&left_out);
    QString error;
    if (!m_presets->save(name, values, &error)) {
        m_preset_status->setText(StudioText::tr("Not saved: %1.").arg(error));
        return false;
    }
    list_presets(name.trimmed());
    QString text = StudioText::tr("Preset “%1” saved with %2 settings.").arg(name.trimmed()).arg(values.size());
    if (!left_out.isEmpty())
        text += QLatin1Char(' ') + StudioText::tr("Left out: %1.").arg(left_out.join(QStringLiteral("; ")));
    m_preset_status->setText(text);
    return true;
}

bool SettingsDialog::apply_preset(const QString &name)
{
    if (!m_presets->contains(name)) {
        m_preset_status->setText(StudioText::tr("There is no preset “%1”; nothing was sent.").arg(name));
        return false;
    }
    QStringList not_filled;
    m_window->fill(m_presets->values(name), &not_filled);
    m_preset_status->setText(
        not_filled.isEmpty()
            ? StudioText::tr("Preset “%1” put into the fields, then applied:").arg(name)
            : StudioText::tr("Preset “%1” put into the fields, then applied; not put in: %2.")
                  .arg(name, not_filled.join(QStringLiteral("; "))));
    m_window->apply();
    return true;
}

bool SettingsDialog::delete_preset(const QString &name)
{
    QString error;
    if (!m_presets->remove(name, &error)) {
        m_preset_status->setText(StudioText::tr("Not deleted: %1.").arg(error));
        return false;
    }
    list_presets(QString());
    m_preset_status->setText(StudioText::tr("Preset “%1” deleted.").arg(name));
    return true;
}

QString SettingsDialog::status_text() const
{
    const QString applied = m_window->status_text();
    return applied.isEmpty() ? m_preset_status->text() : m_preset_status->text() + QLatin1Char('\n') + applied;
}

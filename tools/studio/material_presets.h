#pragma once

#include <QtCore/QMap>
#include <QtCore/QString>
#include <QtCore/QStringList>

class QSettings;

// Named material presets: each a name and setting values as vxctl set
// takes them ("SPEED" → "300"), kept in the console's settings (QSettings
// of organisation "vxstudio") under "material_presets".
class MaterialPresets
{
public:
    using Values = QMap<QString, QString>;

    // settings: where they are kept, outliving this; null: the console's own.
    explicit MaterialPresets(QSettings *settings = nullptr);
    ~MaterialPresets();
    MaterialPresets(const MaterialPresets &) = delete;
    MaterialPresets &operator=(const MaterialPresets &) = delete;

    QStringList names() const; // sorted
    bool contains(const QString &name) const;
    Values values(const QString &name) const;
    // Adds or replaces; false with the reason for an empty name or no
    // values, or when the settings cannot be written.
    bool save(const QString &name, const Values &values, QString *error);
    bool remove(const QString &name, QString *error);

private:
    QMap<QString, Values> read() const;
    bool write(const QMap<QString, Values> &presets, QString *error);

    QSettings *m_settings;
    bool m_owned;
};

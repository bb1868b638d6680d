#include "material_presets.h"

#include "studio_text_p.h"

#include <QtCore/QSettings>

namespace {
const QString kGroup = QStringLiteral("material_presets");
// A name longer than this is no preset a person typed.
constexpr int kMaxName = 200;
} // namespace

MaterialPresets::MaterialPresets(QSettings *settings)
    : m_settings(settings ? settings : new QSettings(QStringLiteral("vxstudio"), QStringLiteral("vxstudio"))),
      m_owned(!settings)
{
}

MaterialPresets::~MaterialPresets()
{
    if (m_owned)
        delete m_settings;
}

QMap<QString, MaterialPresets::Values> MaterialPresets::read() const
{
    QMap<QString, Values> presets;
    const int size = m_settings->beginReadArray(kGroup);
    for (int i = 0; i < size; ++i) {
        m_settings->setArrayIndex(i);
        const QString name = m_settings->value(QStringLiteral("name")).toString();
        m_settings->beginGroup(QStringLiteral("values"));
        Values values;
        for (const QString &key : m_settings->childKeys())
            values.insert(key, m_settings->value(key).toString());
        m_settings->endGroup();
        if (!name.isEmpty())
            presets.insert(name, values);
    }
    m_settings->endArray();
    return presets;
}

bool MaterialPresets::write(const QMap<QString, Values> &presets, QString *error)
{
    m_settings->remove(kGroup);
    m_settings->beginWriteArray(kGroup, presets.size());
    int i = 0;
    for (auto it = presets.cbegin(); it != presets.cend(); ++it, ++i) {
        m_settings->setArrayIndex(i);
        m_settings->setValue(QStringLiteral("name"), it.key());
        m_settings->beginGroup(QStringLiteral("values"));
        for (auto value = it.value().cbegin(); value != it.value().cend(); ++value)
            m_settings->setValue(value.key(), value.value());
        m_settings->endGroup();
    }
    m_settings->endArray();
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) {
        *error = StudioText::tr("the presets could not be written to %1").arg(m_settings->fileName());
        return false;
    }
    return true;
}

QStringList MaterialPresets::names() const
{
    return read().keys();
}

bool MaterialPresets::contains(const QString &name) const
{
    return read().contains(name);
}

MaterialPresets::Values MaterialPresets::values(const QString &name) const
{
    return read().value(name);
}

bool MaterialPresets::save(const QString &name, const Values &values, QString *error)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > kMaxName) {
        *error = StudioText::tr("a preset needs a name of 1 to %1 characters").arg(kMaxName);
        return false;
    }
    if (values.isEmpty()) {
        *error = StudioText::tr("the preset \"%1\" would hold no settings").arg(trimmed);
        return false;
    }
    QMap<QString, Values> presets = read();
    presets.insert(trimmed, values);
    return write(presets, error);
}

bool MaterialPresets::remove(const QString &name, QString *error)
{
    QMap<QString, Values> presets = read();
    if (!presets.remove(name)) {
        *error = StudioText::tr("there is no preset \"%1\"").arg(name);
        return false;
    }
    return write(presets, error);
}

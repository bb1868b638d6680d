#include "task_record_p.h"

namespace vx {

QJsonValue TaskRecord::member(const char *name) const
{
    const QString key = QLatin1String(name);
    return m_changes.contains(key) ? m_changes.value(key) : m_json.value(key);
}

TaskRecord &TaskRecord::set(const char *name, const QJsonValue &value)
{
    m_changes.insert(QLatin1String(name), value);
    return *this;
}

QJsonObject TaskRecord::json() const
{
    QJsonObject fresh = m_changes;
    for (auto it = m_json.begin(); it != m_json.end(); ++it) {
        if (!fresh.contains(it.key()))
            fresh.insert(it.key(), it.value());
    }
    return fresh;
}

} // namespace vx

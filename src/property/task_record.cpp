#include "task_record_p.h"

#include <limits>

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
    // The counters come from the machine's reports, which may say anything:
    // a job has no fewer than none and no more than all of its copies done.
    const auto bound = [&fresh](const char *name, int low, int high) {
        const auto it = fresh.find(QLatin1String(name));
        if (it != fresh.end())
            it.value() = qBound(low, it.value().toInt(), high);
    };
    bound(kTaskCopies, 0, std::numeric_limits<int>::max());
    bound(kFinished, 0, fresh.value(QLatin1String(kTaskCopies)).toInt());
    bound(kPercent, 0, 100);
    return fresh;
}

} // namespace vx

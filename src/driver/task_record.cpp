#include "task_record.h"

namespace vx {

QJsonObject updated_record(const QJsonObject &record, const QJsonObject &changes)
{
    QJsonObject fresh = changes;
    for (auto it = record.begin(); it != record.end(); ++it) {
        if (!fresh.contains(it.key()))
            fresh.insert(it.key(), it.value());
    }
    return fresh;
}

} // namespace vx

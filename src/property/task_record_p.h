#pragma once

#include <QtCore/QJsonObject>
#include <QtCore/QString>

namespace vx {

// The job record a device holds under "TASK", read and written through its
// named members; members it does not name are kept as they are. A member
// is only written when it is set.
class TaskRecord
{
public:
    explicit TaskRecord(QJsonObject json) : m_json(std::move(json)) {}

    int task_copies() const { return member(kTaskCopies).toInt(); }
    int finished() const { return member(kFinished).toInt(); }

    TaskRecord &set_status(int v) { return set(kStatus, v); }
    TaskRecord &set_file_name(const QString &v) { return set(kFileName, v); }
    TaskRecord &set_task_copies(int v) { return set(kTaskCopies, v); }
    TaskRecord &set_finished(int v) { return set(kFinished, v); }
    TaskRecord &set_percent(int v) { return set(kPercent, v); }

    // Built afresh every time: Qt 5's QJsonObject keeps the bytes of a
    // string it replaces, so a record updated in place by every progress
    // report would grow (and get slower to copy) for as long as the device runs.
    QJsonObject json() const;

private:
    static constexpr char kStatus[] = "Status";
    static constexpr char kFileName[] = "FileName";
    static constexpr char kTaskCopies[] = "TaskCopies";
    static constexpr char kFinished[] = "Finished";
    static constexpr char kPercent[] = "Percent";

    QJsonValue member(const char *name) const;
    TaskRecord &set(const char *name, const QJsonValue &value);

    QJsonObject m_json;
    QJsonObject m_changes;
};

} // namespace vx

#pragma once

#include <QtCore/QJsonObject>

namespace vx {

// The task record with the given members replaced and the others kept.
// Built afresh every time: Qt 5's QJsonObject keeps the bytes of a string
// it replaces, so a record updated in place by every progress report would
// grow (and get slower to copy) for as long as the device runs.
QJsonObject updated_record(const QJsonObject &record, const QJsonObject &changes);

} // namespace vx

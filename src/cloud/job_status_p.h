#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QJsonObject>

namespace vx {

// The job status message for the cloud channel: the task record, with the
// job's preview image (Base64, null when empty) when the device has one.
QByteArray job_status_message(QJsonObject task, const QByteArray *preview);

// The model number carried in a device code: up to four characters from
// index 2, read as a base-36 number.
int model_number(const QString &device_code);

} // namespace vx

#include "job_status_p.h"

#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QString>

namespace vx {

QByteArray job_status_message(QJsonObject task, const QByteArray *preview)
{
    if (preview) {
        const QByteArray encoded = preview->toBase64();
        task.insert(QStringLiteral("FilePreview"),
                    encoded.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(QString::fromLatin1(encoded)));
    }
    const QJsonObject message{
        {QStringLiteral("sender"), QStringLiteral("Device")},
        {QStringLiteral("message"), QJsonObject{{QStringLiteral("Runtime"), task}}},
        {QStringLiteral("actions"), QJsonArray{QStringLiteral("Runtime")}},
    };
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

// Digits and letters count 0-35; any other character counts by the same
// two formulas, as the service computes it.
int model_number(const QString &device_code)
{
    const QByteArray digits = device_code.mid(2, 4).toLower().toLatin1();
    quint32 number = 0;
    for (const char c : digits) {
        const int byte = static_cast<unsigned char>(c);
        const int digit = byte < 0x61 ? byte - 48 : byte - 87;
        number = number * 36u + quint32(digit);
    }
    return int(number);
}

} // namespace vx

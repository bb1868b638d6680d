#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QPair>
#include <QtCore/QString>

namespace vx::sim {

// One request frame from the plugin, taken apart.
struct ControllerRequest
{
    enum class Kind {
        Invalid,      // see error
        Command,      // CCMD: number and fields
        AddressRead,  // CMD GET: addresses
        AddressWrite, // CMD SET: assignments
        CopiesNumber, // CMD NUM: copies
        JobText,      // PPLT, PLT, QR_PLT: jobText
    };

    Kind kind = Kind::Invalid;
    QByteArray frameName;
    int number = -1;
    QList<QByteArray> fields;
    QList<int> addresses;
    QList<QPair<int, QByteArray>> assignments;
    int copies = 0;
    QByteArray jobText;
    QString error;
};

// Parses one whole frame, STX to ETX. Pure: no state, no I/O, any input.
ControllerRequest parse_request(const QByteArray &frame);

} // namespace vx::sim

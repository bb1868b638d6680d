#pragma once

#include <QtCore/QByteArray>

namespace vx {

constexpr char STX = '\x02';
constexpr char ETX = '\x03';

// STX, the decimal total length (STX, digits and ETX included), ";",
// name, ";", body, ETX. The length counts the payload's bytes, so a body
// with characters outside ASCII is counted as sent (UTF-8).
QByteArray frame(const QByteArray &name, const QByteArray &body);

} // namespace vx

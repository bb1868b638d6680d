#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>

namespace vx {

constexpr char STX = '\x02';
constexpr char ETX = '\x03';

// STX, the decimal total length (STX, digits and ETX included), ";",
// name, ";", body, ETX. The length counts the payload's bytes, so a body
// with characters outside ASCII is counted as sent (UTF-8). The frame is
// built around the body's own bytes: a body handed over with std::move
// (a whole job page, say) is not copied again.
QByteArray frame(const QByteArray &name, QByteArray body);

// True when the bytes hold STX, ETX or NUL. Frames have no escaping: such
// a byte inside a frame would end it early or start another one on the
// controller, and the USB path cuts a frame at NUL.
bool holds_frame_control(const QByteArray &bytes);

// A frame as text: up to its first zero byte, as the controller reads it.
QString frame_text(const QByteArray &bytes);

} // namespace vx

#include "frame.h"

namespace vx {

static int decimal_digits(int n)
{
    int digits = 1;
    while (n >= 10) {
        n /= 10;
        ++digits;
    }
    return digits;
}

QByteArray frame(const QByteArray &name, QByteArray body)
{
    const int payload = name.size() + 1 + body.size();
    // The length includes its own digits: two passes settle the digit count.
    const int first_guess = decimal_digits(payload + 3);
    const int total = payload + 3 + decimal_digits(payload + 3 + first_guess);

    QByteArray header;
    header.reserve(total - body.size() - 1);
    header.append(STX);
    header.append(QByteArray::number(total));
    header.append(';');
    header.append(name);
    header.append(';');
    // In place when the body has room to spare (a fresh UTF-8 conversion
    // has): prepending raw bytes moves the body within its buffer, where
    // prepending a QByteArray would copy it into the header's.
    body.reserve(total);
    body.prepend(header.constData(), header.size());
    body.append(ETX);
    return body;
}

} // namespace vx

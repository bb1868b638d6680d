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

QByteArray frame(const QByteArray &name, const QByteArray &body)
{
    const int payload = name.size() + 1 + body.size();
    // The length includes its own digits: two passes settle the digit count.
    const int first_guess = decimal_digits(payload + 3);
    const int total = payload + 3 + decimal_digits(payload + 3 + first_guess);

    QByteArray out;
    out.reserve(total);
    out.append(STX);
    out.append(QByteArray::number(total));
    out.append(';');
    out.append(name);
    out.append(';');
    out.append(body);
    out.append(ETX);
    return out;
}

} // namespace vx

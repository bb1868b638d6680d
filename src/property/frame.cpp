#include "frame.h"

#include <algorithm>

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

static bool any_frame_control(const uchar *bytes, qsizetype size)
{
    return std::any_of(bytes, bytes + size, [](uchar c) { return c == 0 || c == uchar(STX) || c == uchar(ETX); });
}

bool holds_frame_control(const QByteArray &bytes)
{
    // A job page can be megabytes and is checked every time it is framed.
    // The smallest byte of a fixed-size block is cheap to find (the loop
    // is vectorised); only a block with a byte below 4 is looked at closely.
    constexpr qsizetype kBlock = 64;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    for (; start + kBlock <= size; start += kBlock) {
        uchar smallest = 0xFF;
        for (qsizetype i = 0; i < kBlock; ++i)
            smallest = std::min(smallest, data[start + i]);
        if (smallest <= uchar(ETX) && any_frame_control(data + start, kBlock))
            return true;
    }
    return any_frame_control(data + start, size - start);
}

} // namespace vx

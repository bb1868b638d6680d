#include "frame.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
    header.append(STX).append(QByteArray::number(total)).append(';').append(name).append(';');
    // In place when the body has room to spare (a fresh UTF-8 conversion
    // has): prepending raw bytes moves the body within its buffer, where
    // prepending a QByteArray would copy it into the header's.
    body.reserve(total);
    body.prepend(header.constData(), header.size());
    body.append(ETX);
    // A UTF-8 conversion leaves room for three bytes a character, which a
    // frame kept waiting (a trace's) would hold; shrinking in place is
    // cheap, the allocator gives the tail back without a copy.
    body.squeeze();
    return body;
}

// The smallest of `size` bytes. A job page can be megabytes and is checked
// every time it is framed: four running minimums keep the loads flowing
// instead of waiting on one another.
static uchar smallest_byte(const uchar *bytes, qsizetype size)
{
    qsizetype i = 0;
    uchar smallest = 0xFF;
#if defined(__SSE2__)
    __m128i low[4] = {_mm_set1_epi8(char(0xFF)), _mm_set1_epi8(char(0xFF)), _mm_set1_epi8(char(0xFF)),
                      _mm_set1_epi8(char(0xFF))};
    for (; i + 64 <= size; i += 64) {
        for (int lane = 0; lane < 4; ++lane) {
            const auto *chunk = reinterpret_cast<const __m128i *>(bytes + i + 16 * lane);
            low[lane] = _mm_min_epu8(low[lane], _mm_loadu_si128(chunk));
        }
    }
    alignas(16) uchar lanes[16];
    _mm_store_si128(reinterpret_cast<__m128i *>(lanes),
                    _mm_min_epu8(_mm_min_epu8(low[0], low[1]), _mm_min_epu8(low[2], low[3])));
    smallest = *std::min_element(lanes, lanes + 16);
#endif
    for (; i < size; ++i)
        smallest = std::min(smallest, bytes[i]);
    return smallest;
}

bool holds_frame_control(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    // Nearly every text has no byte below 4 at all, which one fast pass shows.
    return smallest_byte(data, bytes.size()) <= uchar(ETX)
        && std::any_of(data, data + bytes.size(), [](uchar c) { return c == 0 || c == uchar(STX) || c == uchar(ETX); });
}

QString frame_text(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes.constData(), int(qstrnlen(bytes.constData(), uint(bytes.size()))));
}

} // namespace vx

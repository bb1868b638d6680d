#include "trace_format.h"

#include <QtCore/QString>

#include <cstring>

namespace vx::trace {

namespace {

constexpr quint64 kOnes = 0x0101010101010101ULL;
constexpr quint64 kHighs = 0x8080808080808080ULL;

constexpr quint64 has_zero_byte(quint64 v)
{
    return (v - kOnes) & ~v & kHighs;
}

// Eight bytes that go into a JSON string as they are: ASCII, no control
// byte, quote, backslash or DEL. May say no to some that are; never yes
// to one that is not.
bool plain_eight(const char *p)
{
    quint64 x;
    std::memcpy(&x, p, sizeof x);
    if (x & kHighs)
        return false;
    return !((x - kOnes * 0x20) & kHighs) && !has_zero_byte(x ^ (kOnes * '"'))
        && !has_zero_byte(x ^ (kOnes * '\\')) && !has_zero_byte(x ^ (kOnes * 0x7F));
}

// The length of the UTF-8 sequence at p (which starts with a byte of 0x80
// or more), or 0 when it is not one that comes back byte for byte:
// overlong forms, surrogates and cut sequences are not.
int utf8_sequence(const unsigned char *p, const unsigned char *end)
{
    static const uint kShortest[] = {0, 0x80, 0x800, 0x10000};
    int follow = 0;
    uint code = 0;
    if ((*p & 0xE0) == 0xC0) {
        follow = 1;
        code = *p & 0x1F;
    } else if ((*p & 0xF0) == 0xE0) {
        follow = 2;
        code = *p & 0x0F;
    } else if ((*p & 0xF8) == 0xF0) {
        follow = 3;
        code = *p & 0x07;
    } else {
        return 0;
    }
    if (end - p <= follow)
        return 0;
    for (int i = 1; i <= follow; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    if (code < kShortest[follow] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return follow + 1;
}

// One pass: pages are large, and runs of plain bytes are skipped eight at
// a time and copied whole. False, with the line as it was, for bytes that
// are not UTF-8.
bool append_escaped(QByteArray &line, const QByteArray &bytes)
{
    static const char kHex[] = "0123456789abcdef";
    const int start_size = line.size();
    const char *data = bytes.constData();
    const auto *udata = reinterpret_cast<const unsigned char *>(data);
    const int size = bytes.size();
    line += '"';
    int run = 0;
    int i = 0;
    while (i < size) {
        if (i + 8 <= size && plain_eight(data + i)) {
            i += 8;
            continue;
        }
        const unsigned char c = udata[i];
        if (c >= 0x80) {
            const int length = utf8_sequence(udata + i, udata + size);
            if (length == 0) {
                line.truncate(start_size);
                return false;
            }
            i += length;
            continue;
        }
        if (c >= 0x20 && c != '"' && c != '\\' && c != 0x7F) {
            ++i;
            continue;
        }
        line.append(data + run, i - run);
        if (c == '"' || c == '\\') {
            line += '\\';
            line += char(c);
        } else {
            const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
            line.append(escape, sizeof escape);
        }
        run = ++i;
    }
    line.append(data + run, size - run);
    line += '"';
    return true;
}

} // namespace

bool is_utf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = p + bytes.size();
    while (p < end) {
        const int length = *p < 0x80 ? 1 : utf8_sequence(p, end);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

void append_json_string(QByteArray &line, const QByteArray &utf8)
{
    if (!append_escaped(line, utf8))
        append_escaped(line, QString::fromUtf8(utf8).toUtf8());
}

void append_bytes_field(QByteArray &line, const QByteArray &bytes)
{
    line += "\"text\":";
    if (append_escaped(line, bytes))
        return;
    line.chop(7);
    line += "\"base64\":\"" + bytes.toBase64() + '"';
}

} // namespace vx::trace

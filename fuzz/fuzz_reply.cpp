// A reply frame parsed once into its parts. Whatever the text, the parts
// must agree with it: a CCMD reply's items are its body split at ",", its
// code the first item; a CMD reply has a value per ";"-closed field.
#include "fuzz_app.h"
#include "reply.h"

#include <cstdlib>

using namespace vx::protocol;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vxfuzz::ensure_app();
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const Reply reply = parse_reply(text);
    const QStringList parts = text.split(QLatin1Char(';'));
    if (reply.text != text || reply.complete != (parts.size() >= 3))
        std::abort();
    if (!reply.complete)
        return 0;
    switch (reply.kind) {
    case FrameKind::CCMD:
        if (reply.items.join(QLatin1Char(',')) != reply.body || reply.code != reply.items.first().toInt()
            || reply.values().size() != qMax(0, reply.items.size() - 2))
            std::abort();
        break;
    case FrameKind::CMD:
        if (reply.fields.size() != parts.size() - 3 || reply.values() != reply.fields)
            std::abort();
        break;
    case FrameKind::None:
        if (!reply.values().isEmpty())
            std::abort();
        break;
    default:
        std::abort(); // only the two reply kinds are recognised
    }
    return 0;
}

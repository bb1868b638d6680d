// One field of a CMD reply ("GET100:5") split into name, number and value.
// The name is the leading capital letters, so it can only hold those.
#include "fuzz_app.h"
#include "reply.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vxfuzz::ensure_app();
    const QString field = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    QString name;
    QString value;
    int number = -1;
    vx::protocol::parse_cmd_field(field, name, number, value);
    for (const QChar c : name) {
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            std::abort();
    }
    if (name.size() > field.size())
        std::abort();
    return 0;
}

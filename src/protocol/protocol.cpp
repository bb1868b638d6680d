#include "protocol.h"

#include "frame.h"

namespace vx::protocol {

QByteArray frame_name(FrameKind kind)
{
    switch (kind) {
    case FrameKind::CCMD: return QByteArrayLiteral("CCMD");
    case FrameKind::CMD:
    case FrameKind::NUM: return QByteArrayLiteral("CMD");
    case FrameKind::PLT: return QByteArrayLiteral("PLT");
    case FrameKind::PPLT: return QByteArrayLiteral("PPLT");
    case FrameKind::QRPLT: return QByteArrayLiteral("QR_PLT");
    case FrameKind::None: break;
    }
    return QByteArray();
}

QByteArray ccmd_items(int code, int result)
{
    return QByteArray::number(code) + ',' + QByteArray::number(result);
}

QByteArray ccmd_items(int code, int result, const QByteArray &more)
{
    return ccmd_items(code, result) + ',' + more;
}

QByteArray ccmd_reply(const QByteArray &items)
{
    return vx::frame(frame_name(FrameKind::CCMD), items + ';');
}

} // namespace vx::protocol

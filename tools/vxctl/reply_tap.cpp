#include "reply_tap.h"

#include "vxdeviceinterface.h"

#include <QtCore/QList>
#include <QtCore/QMetaMethod>

namespace {

constexpr char kStx = '\x02';
constexpr char kEtx = '\x03';
constexpr int kLongestFrame = 1 << 20;

} // namespace

ReplyTap::ReplyTap(VXDeviceInterface *device)
{
    const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("on_bytes(QByteArray)"));
    for (QObject *child : device->findChildren<QObject *>(QString(), Qt::FindDirectChildrenOnly)) {
        const int signal = child->metaObject()->indexOfSignal("received(QByteArray)");
        if (signal >= 0 && connect(child, child->metaObject()->method(signal), this, slot))
            ++m_links;
    }
}

// Frames are STX, length, ";CCMD;", "number,result,...;", ETX.
void ReplyTap::on_bytes(const QByteArray &bytes)
{
    m_pending += bytes;
    for (int end = m_pending.indexOf(kEtx); end >= 0; end = m_pending.indexOf(kEtx)) {
        const int start = m_pending.lastIndexOf(kStx, end);
        const QList<QByteArray> parts = start < 0 ? QList<QByteArray>() : m_pending.mid(start + 1, end - start - 1).split(';');
        m_pending.remove(0, end + 1);
        if (parts.size() < 3 || parts.at(1) != "CCMD")
            continue;
        const QList<QByteArray> items = parts.at(2).split(',');
        bool number_ok = false;
        bool result_ok = false;
        const int number = items.value(0).toInt(&number_ok);
        const int result = items.value(1).toInt(&result_ok);
        if (number_ok && result_ok)
            m_results.insert(number, result);
    }
    if (m_pending.size() > kLongestFrame)
        m_pending.clear();
}

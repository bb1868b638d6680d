#include "controller_request.h"

#include "frame.h"
#include "protocol.h"

namespace vx::sim {

using namespace vx::protocol;

namespace {

ControllerRequest invalid(const QByteArray &name, const char *why)
{
    ControllerRequest request;
    request.frameName = name;
    request.error = QString::fromLatin1(why);
    return request;
}

bool is_decimal(const QByteArray &text)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// "item;item;" -> items; false when the last ";" is missing.
bool split_items(const QByteArray &body, QList<QByteArray> *items)
{
    if (!body.endsWith(';'))
        return false;
    *items = body.left(body.size() - 1).split(';');
    return true;
}

ControllerRequest parse_ccmd(const QByteArray &body)
{
    QList<QByteArray> items;
    if (!split_items(body, &items))
        return invalid(frame_name(FrameKind::CCMD), "CCMD body does not end in ';'");
    if (items.size() != 1)
        return invalid(frame_name(FrameKind::CCMD), "CCMD body holds more than one item");
    QList<QByteArray> fields = items.first().split(',');
    const QByteArray number = fields.takeFirst();
    if (!is_decimal(number))
        return invalid(frame_name(FrameKind::CCMD), "CCMD number is not decimal");

    ControllerRequest request;
    request.kind = ControllerRequest::Kind::Command;
    request.frameName = frame_name(FrameKind::CCMD);
    request.number = number.toInt();
    request.fields = fields;
    return request;
}

ControllerRequest parse_cmd(const QByteArray &body)
{
    ControllerRequest request;
    request.frameName = frame_name(FrameKind::CMD);

    // A SET of no address is the bare verb, without a closing ";".
    if (body == kCmdSet) {
        request.kind = ControllerRequest::Kind::AddressWrite;
        return request;
    }
    QList<QByteArray> items;
    if (!split_items(body, &items))
        return invalid(frame_name(FrameKind::CMD), "CMD body does not end in ';'");

    if (body.startsWith(kCmdNum)) {
        const QByteArray value = items.first().mid(qstrlen(kCmdNum));
        if (items.size() != 1 || !is_decimal(value))
            return invalid(frame_name(FrameKind::CMD), "NUM value is not decimal");
        request.kind = ControllerRequest::Kind::CopiesNumber;
        request.copies = value.toInt();
        return request;
    }
    if (body.startsWith(kCmdGet)) {
        items.first().remove(0, qstrlen(kCmdGet));
        for (const QByteArray &item : qAsConst(items)) {
            if (!is_decimal(item))
                return invalid(frame_name(FrameKind::CMD), "GET address is not decimal");
            request.addresses.append(item.toInt());
        }
        request.kind = ControllerRequest::Kind::AddressRead;
        return request;
    }
    if (body.startsWith(kCmdSet)) {
        items.first().remove(0, qstrlen(kCmdSet));
        for (const QByteArray &item : qAsConst(items)) {
            const int colon = item.indexOf(':');
            const QByteArray address = item.left(colon);
            if (colon < 0 || !is_decimal(address))
                return invalid(frame_name(FrameKind::CMD), "SET item is not address:value");
            request.assignments.append({address.toInt(), item.mid(colon + 1)});
        }
        request.kind = ControllerRequest::Kind::AddressWrite;
        return request;
    }
    return invalid(frame_name(FrameKind::CMD), "CMD verb is not GET, SET or NUM");
}

ControllerRequest parse_job(const QByteArray &name, const QByteArray &body)
{
    if (body.isEmpty())
        return invalid(name, "job text is empty");
    // The plugin cuts jobs into pages at "PG;", so every page ends with one.
    if (name == frame_name(FrameKind::PPLT) && !body.endsWith(kPageEnd))
        return invalid(name, "page does not end in 'PG;'");
    ControllerRequest request;
    request.kind = ControllerRequest::Kind::JobText;
    request.frameName = name;
    request.jobText = body;
    return request;
}

} // namespace

ControllerRequest parse_request(const QByteArray &frame)
{
    if (frame.size() < 2 || frame.front() != vx::STX || frame.back() != vx::ETX)
        return invalid(QByteArray(), "not delimited by STX and ETX");

    const int length_end = frame.indexOf(';');
    if (length_end < 0)
        return invalid(QByteArray(), "no ';' after the length");
    const QByteArray length = frame.mid(1, length_end - 1);
    if (!is_decimal(length))
        return invalid(QByteArray(), "length is not decimal");
    if (length.toInt() != frame.size())
        return invalid(QByteArray(), "length does not match the frame");

    const int name_end = frame.indexOf(';', length_end + 1);
    if (name_end < 0)
        return invalid(QByteArray(), "no ';' after the frame name");
    const QByteArray name = frame.mid(length_end + 1, name_end - length_end - 1);
    const QByteArray body = frame.mid(name_end + 1, frame.size() - name_end - 2);

    if (name == frame_name(FrameKind::CCMD))
        return parse_ccmd(body);
    if (name == frame_name(FrameKind::CMD))
        return parse_cmd(body);
    for (FrameKind job : {FrameKind::PPLT, FrameKind::PLT, FrameKind::QRPLT}) {
        if (name == frame_name(job))
            return parse_job(name, body);
    }
    return invalid(name, "unknown frame name");
}

} // namespace vx::sim

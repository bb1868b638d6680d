#pragma once

#include "protocol.h"

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace vx::protocol {

// A reply frame, split once: "<STX>len;CCMD;code,result,items…;<ETX>" or
// "<STX>len;CMD;NAMEaddress:value;…;<ETX>".
struct Reply
{
    QString text;                     // the whole frame as received
    FrameKind kind = FrameKind::None; // CCMD or CMD; None for any other name
    bool complete = false;            // length, name and body are there
    QString body;                     // the part after the name
    QStringList items;                // CCMD: the body's comma items
    QStringList fields;               // CMD: the value of each address field
    int code = 0;                     // CCMD: the first item; CMD: the first field's address

    // A CCMD reply carries a result after its code.
    bool has_result() const { return items.size() >= 2; }
    int result() const { return items.value(1).toInt(); }
    // A CCMD item as a number; 0 when absent or not a number.
    int item(int index) const { return items.value(index).toInt(); }
    // What a property takes: CCMD items after code and result, CMD field values.
    QStringList values() const { return kind == FrameKind::CMD ? fields : QStringList(items.mid(2)); }
};

Reply parse_reply(const QString &text);

// One CMD field "NAMEaddress:value": upper-case letters, a decimal address
// (0 when it is not one), and the text after the last ':'.
void parse_cmd_field(const QString &field, QString &name, int &number, QString &value);

} // namespace vx::protocol

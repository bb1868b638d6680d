#pragma once

#include "vxdeviceinterface.h"

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QStringList>
#include <QtTest/QSignalSpy>

// Frames written as text, with <STX> and <ETX> for the two control bytes.
inline QByteArray wire(const char *text)
{
    QByteArray bytes(text);
    bytes.replace("<STX>", "\x02").replace("<ETX>", "\x03");
    return bytes;
}

// The keys an object holds, in the order they were set.
inline QStringList keys_of(const QObject &holder)
{
    QStringList keys;
    for (const QByteArray &name : holder.dynamicPropertyNames())
        keys << QString::fromLatin1(name);
    return keys;
}

// The texts a device's message signal carried, of one kind or of all.
inline QStringList message_texts(const QSignalSpy &spy, int kind = -1)
{
    QStringList texts;
    for (const QList<QVariant> &args : spy) {
        if (kind < 0 || args.at(0).value<VXDeviceInterface::VXDeviceMessage>() == kind)
            texts << args.at(1).toString();
    }
    return texts;
}

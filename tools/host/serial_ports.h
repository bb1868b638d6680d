#pragma once

#include <QtCore/QString>
#include <QtCore/QVector>

// The serial devices a USB machine may be on, as vxctl ports lists them
// and the console offers them.
struct SerialPort
{
    QString path; // what --usb takes
    // "PATH  VID:PID  MAKER  DESCRIPTION  SERIAL", the parts it has.
    QString line;
};

QVector<SerialPort> serial_ports();

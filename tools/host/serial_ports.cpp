#include "serial_ports.h"

#include <QtSerialPort/QSerialPortInfo>

QVector<SerialPort> serial_ports()
{
    QVector<SerialPort> found;
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts()) {
        QString line = port.systemLocation();
        if (port.hasVendorIdentifier() && port.hasProductIdentifier())
            line += QStringLiteral("  %1:%2").arg(port.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                        .arg(port.productIdentifier(), 4, 16, QLatin1Char('0'));
        for (const QString &text : {port.manufacturer(), port.description(), port.serialNumber()}) {
            if (!text.isEmpty())
                line += QStringLiteral("  ") + text;
        }
        found.append({port.systemLocation(), line});
    }
    return found;
}

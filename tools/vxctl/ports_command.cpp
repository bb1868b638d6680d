#include "command_table.h"

#include <QtSerialPort/QSerialPortInfo>

// vxctl ports: the serial devices, one a line: the path to give to --usb,
// the USB vendor and product ids, and what the device says it is.
int run_ports(const Invocation &call)
{
    QTextStream &out = call.out;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &port : ports) {
        out << port.systemLocation();
        if (port.hasVendorIdentifier() && port.hasProductIdentifier())
            out << QStringLiteral("  %1:%2").arg(port.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                                          .arg(port.productIdentifier(), 4, 16, QLatin1Char('0'));
        for (const QString &text : {port.manufacturer(), port.description(), port.serialNumber()}) {
            if (!text.isEmpty())
                out << "  " << text;
        }
        out << '\n';
    }
    if (ports.isEmpty())
        call.err << "vxctl: no serial devices found\n";
    return 0;
}

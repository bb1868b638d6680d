#include "command_table.h"
#include "serial_ports.h"

// vxctl ports: the serial devices, one a line: the path to give to --usb,
// the USB vendor and product ids, and what the device says it is.
int run_ports(const Invocation &call)
{
    const QVector<SerialPort> ports = serial_ports();
    for (const SerialPort &port : ports)
        call.out << port.line << '\n';
    if (ports.isEmpty())
        call.err << "vxctl: no serial devices found\n";
    return 0;
}

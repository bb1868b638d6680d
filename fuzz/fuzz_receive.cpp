// Bytes from the controller through a machine instance's receive path,
// with a job running so that "page done" replies advance its pages. The
// device is in USB mode without a transport: what it sends is dropped.
#include "fuzz_app.h"
#include "vxcommoninterface_p.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"

#include <QtCore/QJsonObject>
#include <QtCore/QScopedPointer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vxfuzz::ensure_app();
    static VXLT3050PROCam *const root = new VXLT3050PROCam; // the plugin's root, kept
    QScopedPointer<VXDeviceInterface> device(root->initInstance());
    auto *machine = static_cast<VXLT3050PROCam *>(device.data());
    machine->property_ptr("CONNECT_MODE")->setValue(QStringLiteral("USB"));
    machine->property_ptr("STATUS")->setValue(int(VXDeviceInterface::Working));
    QJsonObject task = machine->property_ptr("TASK")->value().toJsonObject();
    task.insert(QStringLiteral("TaskCopies"), 2);
    machine->property_ptr("TASK")->setValue(task);
    machine->setPlt(QStringLiteral("IN;PU0,0;PD100,0;PG;PU5,5;PD5,50;PG;LB标签;PG;"));
    machine->startTask();

    // Two reads, split in the middle: frames that span reads take the
    // partial-frame path of the receive buffer.
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    VXCommonInterfacePrivate::get(machine)->slot_usb_read(bytes.left(bytes.size() / 2));
    VXCommonInterfacePrivate::get(machine)->slot_usb_read(bytes.mid(bytes.size() / 2));
    device.reset();
    vxfuzz::settle();
    return 0;
}

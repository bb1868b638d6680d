// Reply fields decoded into any property of a machine instance. The first
// byte picks the property (in registration order), the second how the rest
// arrives: as one field, or as a list split at ',' (bit 0) or ';' (bit 1).
// The property then builds its command frames from the new value.
#include "fuzz_app.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"

#include <QtCore/QScopedPointer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vxfuzz::ensure_app();
    if (size < 2)
        return 0;
    static VXLT3050PROCam *const root = new VXLT3050PROCam; // the plugin's root, kept
    QScopedPointer<VXDeviceInterface> device(root->initInstance());

    QList<VXDeviceProperty *> properties;
    for (const QByteArray &key : device->dynamicPropertyNames()) {
        if (VXDeviceProperty *property = device->property_ptr(key.constData()))
            properties << property;
    }
    VXDeviceProperty *property = properties.at(data[0] % properties.size());
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 2), int(size - 2));
    if (data[1] & 3) {
        const QChar separator = (data[1] & 1) ? QLatin1Char(',') : QLatin1Char(';');
        property->set_decode(text.split(separator));
    } else {
        property->set_decode(text);
    }
    property->set_cmd_bytes();
    property->get_cmd_bytes();
    device.reset();
    vxfuzz::settle();
    return 0;
}

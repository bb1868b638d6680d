#pragma once

#include "vxcommoninterface.h"

#include <QtCore/QStringList>

// The conveyor-belt flatbed cutter with registration camera. One object is
// the plugin's root and hands out device instances; every instance is
// another object of this class carrying the machine's 35 properties.
class VXLT3050PROCam : public VXCommonInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QGenericPluginFactoryInterface" FILE "vxlt3050procam.json")
    Q_INTERFACES(VXDeviceInterface)

public:
    explicit VXLT3050PROCam(QObject *parent = nullptr);
    ~VXLT3050PROCam() override;

    VXDeviceInterface *initInstance() override;
    QStringList userProperty() override;
    QStringList sysProperty() override;
    int icon() override;

private:
    void load_translator();
};

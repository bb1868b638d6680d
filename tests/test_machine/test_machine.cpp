// A second machine, built for the tests only: one file over the shared
// driver, with a controller family of its own that the driver never heard of.
#include "catalogue_builder_p.h"
#include "vxcommoninterface.h"

using namespace vx;

namespace {
const CatalogueRow base_999[] = {
    {"STATUS", QT_TR_NOOP("状态"), "", int_value(0), UnCMD, 0, 0, 0},
    {"BLADE_DEPTH", QT_TR_NOOP("刀深"), "(mm)", double_value(0.5), CCMD, 71, 70, 1, double_spin_box(0, 5)},
};
} // namespace

static const bool kRegistered = register_catalogues("TestMachine", {named("base_999", base_999)});

class TestMachine : public VXCommonInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QGenericPluginFactoryInterface")
    Q_INTERFACES(VXDeviceInterface)

public:
    VXDeviceInterface *initInstance() override
    {
        auto *device = new TestMachine;
        fill_catalogue(device, "base_999");
        return device;
    }
};

#include "test_machine.moc"

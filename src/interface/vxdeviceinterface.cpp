#include "vxdeviceinterface.h"

#include "build_date_p.h"
#include "property_store_p.h"
#include "vxdeviceproperty.h"

#include <QtCore/QDate>
#include <QtCore/QLocale>

VXDeviceInterface::VXDeviceInterface(QObject *parent)
    : QObject(parent)
{
    // Lets hosts take the message signal through queued connections.
    static const int registered = qRegisterMetaType<VXDeviceInterface::VXDeviceMessage>();
    Q_UNUSED(registered)
}

// Runs after the subclasses' own destruction: every property the device
// still holds is deleted once and its entry removed.
VXDeviceInterface::~VXDeviceInterface()
{
    vx::delete_held_properties(this);
}

// The address is the value, what a link opens and a host reads back.
static void hold_address(QObject *device, const char *key, const QString &address, const QString &label)
{
    auto *property = new VXDeviceProperty(nullptr);
    property->init(address, label, QLatin1String(""), 0, 0, 0, VXDeviceInterface::UnCMD, QStringList());
    vx::replace_property(device, key, property);
}

void VXDeviceInterface::setUSBPath(QString path)
{
    hold_address(this, "USB", path, tr("USB 地址"));
}

void VXDeviceInterface::setIPAddress(QString address)
{
    hold_address(this, "TCP", address, tr("IP 地址"));
}

VXDeviceInterface *VXDeviceInterface::initInstance() { return nullptr; }
bool VXDeviceInterface::connectDevice() { return false; }
VXDeviceProperty *VXDeviceInterface::property_ptr(const char *) { return nullptr; }
QStringList VXDeviceInterface::userProperty() { return QStringList(); }
QStringList VXDeviceInterface::sysProperty() { return QStringList(); }
void VXDeviceInterface::sendCMD(QByteArray) {}
void VXDeviceInterface::setMorvoCloud(MorvoCloud *, QString) {}
void VXDeviceInterface::startTask() {}
void VXDeviceInterface::stopTask() {}
void VXDeviceInterface::move(int, int) {}
int VXDeviceInterface::icon() { return 0; }

// The job text goes to the page carrier when the device has one, else to
// the whole-job carrier.
void VXDeviceInterface::setPlt(QString plt)
{
    VXDeviceProperty *carrier = property_ptr("TASK_PPLT");
    if (!carrier)
        carrier = property_ptr("TASK_PLT");
    if (carrier)
        carrier->setValue(QVariant(plt));
}

QString vx::build_date_from_stamp(const char *stamp)
{
    const QLocale english(QLocale::English);
    const QString text = QString::fromLatin1(stamp);
    const QString outFormat = QStringLiteral("yyyy - MM - dd");
    QString result = english.toDate(text, QStringLiteral("MMM dd yyyy")).toString(outFormat);
    if (result.isEmpty()) // a space-padded day of the month
        result = english.toDate(text, QStringLiteral("MMM  d yyyy")).toString(outFormat);
    return result;
}

QString VXDeviceInterface::buildDate()
{
    return vx::build_date_from_stamp(__DATE__);
}

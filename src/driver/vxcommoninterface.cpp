#include "vxcommoninterface_p.h"

#include "catalogue_builder_p.h"
#include "driver_logging_p.h"
#include "language_p.h"
#include "property_keys_p.h"
#include "receive_buffer.h"
#include "trace_recorder_p.h"
#include "vxdeviceproperty.h"


namespace key = vx::key;

Q_LOGGING_CATEGORY(lcDriver, "vx.driver", QtInfoMsg)

VXCommonInterfacePrivate::VXCommonInterfacePrivate(VXCommonInterface *q)
    : q_ptr(q)
    , cloud(q)
    , m_receive_buffer(std::make_unique<vx::ReceiveBuffer>())
{
    add_links();
    QObject::connect(&m_device_timer, &QTimer::timeout, q, [this] { slot_device_timer(); });
}

VXCommonInterface::VXCommonInterface(QObject *parent)
    : VXDeviceInterface(parent)
    , d_ptr(new VXCommonInterfacePrivate(this))
{
}

// The host may be deleting the device from a slot that a link's or the
// channel's own signal is running: they are closed now, and what is still
// running goes from the event loop once its signal has returned. Closing a
// connected link reports it, so the host hears "TCP DISCONNECTED." before
// the device is gone.
VXCommonInterface::~VXCommonInterface()
{
    if (auto *trace = findChild<TraceRecorder *>(QString(), Qt::FindDirectChildrenOnly))
        trace->host_closing();
    Q_D(VXCommonInterface);
    for (Link *link : qAsConst(d->m_links))
        link->close();
    vx::delete_held_properties(this);
}

QString vx::language_code_for(const QString &locale_name)
{
    if (locale_name == QLatin1String("ja_JP"))
        return QStringLiteral("ja_JP");
    if (locale_name == QLatin1String("zh_CN"))
        return QLatin1String("");
    return QStringLiteral("en_US");
}

VXDeviceProperty *VXCommonInterface::property_ptr(const char *key)
{
    return vx::held_property(this, key);
}

// The generic driver: a bare "157" device.
VXDeviceInterface *VXCommonInterface::initInstance()
{
    auto *device = new VXCommonInterface(nullptr);
    vx::fill_catalogue(device, "init157");
    return device;
}

void VXCommonInterface::setMorvoCloud(MorvoCloud *cloud, QString code)
{
    d_func()->cloud.bind(cloud, code);
}

void VXCommonInterface::connect_websocket()
{
    d_func()->cloud.open_channel();
}

void VXCommonInterface::setUSBPath(QString path) { setLinkAddress(QLatin1String(key::USB), path); }
void VXCommonInterface::setIPAddress(QString address) { setLinkAddress(QLatin1String(key::TCP), address); }

bool VXCommonInterface::tell_host(VXDeviceMessage kind, const QString &text)
{
    const QPointer<VXCommonInterface> alive(this);
    emit message(kind, text);
    return alive;
}

// An attempt starts from the disconnected state, or after a link failed:
// a failed link has closed, so there is nothing to keep and the host may
// try again (with a corrected path, say).
bool VXCommonInterfacePrivate::may_connect()
{
    const VXDeviceProperty *status = property_ptr(key::STATUS);
    if (!status)
        return true;
    const int value = status->value().toInt();
    return value == Device::DisConnected || (value == Device::Warning && m_link_failed);
}

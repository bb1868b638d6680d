// The device timer: polls a controller that has a "HEARTBEAT" and declares
// the link lost when data stopped coming for more than 30 seconds.
#include "vxcommoninterface_p.h"

#include "property_keys_p.h"
#include "vxdeviceproperty.h"
#include "driver_logging_p.h"

#include <limits>

namespace key = vx::key;

constexpr qint64 kSilenceLimitSeconds = 30;

QDateTime VXCommonInterfacePrivate::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

// A period of 0 s, or one whose milliseconds do not fit the timer's int,
// leaves the timer stopped.
void VXCommonInterfacePrivate::heartbeat_switch(bool on)
{
    const VXDeviceProperty *heartbeat = property_ptr(key::HEARTBEAT);
    if (!heartbeat)
        return;
    m_device_timer.stop();
    if (!on)
        return;
    const quint64 period = quint64(heartbeat->value().toUInt()) * quint64(m_heartbeat_second_ms);
    if (period == 0 || period > quint64(std::numeric_limits<int>::max())) {
        qCDebug(lcDriver) << "VXCommonInterface::heartbeat_switch unusable period" << heartbeat->value();
        return;
    }
    m_heard_since_timer_start = false;
    m_device_timer.start(int(period));
}

void VXCommonInterfacePrivate::slot_device_timer()
{
    // Only a controller that has talked since the timer started and then
    // fell silent is lost: one that never answers the poll may still be
    // cutting, and a receive time from an earlier link says nothing.
    const VXDeviceProperty *last = property_ptr(key::LAST_TIME);
    if (last && m_heard_since_timer_start) {
        const QDateTime since = last->value().toDateTime();
        if (since.isValid() && since.secsTo(now()) > kSilenceLimitSeconds) {
            qCDebug(lcDriver) << "VXCommonInterface::slot_device_timer silent since" << since;
            if (!set_link_status(Device::DisConnected, QLatin1String(vx::message::HeartbeatTimeout)))
                return;
        }
    }
    // The send gate drops the heartbeat once the link is declared lost.
    if (const VXDeviceProperty *heartbeat = property_ptr(key::HEARTBEAT))
        send_cmd(heartbeat->get_cmd_bytes());
}

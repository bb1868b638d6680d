#include "vxcommoninterface.h"

#include "driver_logging_p.h"
#include "language_p.h"
#include "property_keys_p.h"
#include "property_store_p.h"
#include "receive_buffer.h"
#include "trace_recorder_p.h"
#include "vxdeviceproperty.h"

#include <QtCore/QLocale>
#include <QtWebSockets/QWebSocket>

namespace key = vx::key;

Q_LOGGING_CATEGORY(lcDriver, "vx.driver", QtInfoMsg)

VXCommonInterface::VXCommonInterface(QObject *parent)
    : VXDeviceInterface(parent)
    , m_receive_buffer(std::make_unique<vx::ReceiveBuffer>())
{
    add_links();
    systemLanguage();
    connect(&m_device_timer, &QTimer::timeout, this, &VXCommonInterface::slot_device_timer);
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
    for (Link *link : qAsConst(m_links))
        link->close();
    if (m_websocket) {
        m_websocket->disconnect(this);
        m_websocket->deleteLater();
    }
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

void VXCommonInterface::systemLanguage()
{
    m_language_code = vx::language_code_for(QLocale::system().name());
}

VXDeviceProperty *VXCommonInterface::property_ptr(const char *key)
{
    return vx::held_property(this, key);
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
bool VXCommonInterface::may_connect()
{
    const VXDeviceProperty *status = property_ptr(key::STATUS);
    if (!status)
        return true;
    const int value = status->value().toInt();
    return value == DisConnected || (value == Warning && m_link_failed);
}

#include "device_session.h"

#include "vxdeviceinterface.h"
#include "vxdeviceproperty.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QTimer>

bool wait_for(const std::function<bool()> &condition, int timeout_ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() >= timeout_ms)
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

QStringList device_links(VXDeviceInterface &device)
{
    QStringList links;
    QMetaObject::invokeMethod(&device, "links", Q_RETURN_ARG(QStringList, links));
    return links;
}

// A new kind of link needs nothing of a host: the plugin names it.
static bool aim_at(VXDeviceInterface &device, const Target &target, QString *error)
{
    bool known = false;
    if (QMetaObject::invokeMethod(&device, "setLinkAddress", Q_RETURN_ARG(bool, known),
                                  Q_ARG(QString, target.link_name()), Q_ARG(QString, target.link_address()))
        && known)
        return true;
    const QStringList links = device_links(device);
    *error = QCoreApplication::translate("vxctl", "the plugin has no link %1 (it has %2)")
                 .arg(target.link_name(), links.isEmpty() ? QStringLiteral("none") : links.join(QStringLiteral(", ")));
    return false;
}

DeviceSession::DeviceSession(VXDeviceInterface *factory)
    : m_device(factory->initInstance())
{
    if (!m_device)
        return;
    connect(m_device.data(), &VXDeviceInterface::message, this,
            [this](VXDeviceInterface::VXDeviceMessage kind, const QString &text) {
                if (kind != VXDeviceInterface::DevStatus)
                    return;
                using namespace vx::message;
                if (text.endsWith(QLatin1String(Connected)) && !text.startsWith(QLatin1String(WebSocket))) {
                    m_up = true;
                } else if (text.endsWith(QLatin1String(Disconnected)) || text.endsWith(QLatin1String(Error))
                           || text == QLatin1String(HeartbeatTimeout)) {
                    if (m_up)
                        m_link_lost = text;
                    else
                        m_failure = text;
                    m_up = false;
                }
            });
}

// The device lets go of its socket from the event loop, which does not run
// again before vxctl exits.
DeviceSession::~DeviceSession()
{
    m_device.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool DeviceSession::open(const Target &target, int timeout_ms, QString *error)
{
    m_target = target;
    if (!m_device) {
        *error = QCoreApplication::translate("vxctl", "the plugin handed out no device instance");
        return false;
    }
    if (target.kind == Target::Simulator && !m_simulator.start(target.simulator_arguments, &m_target.port, error))
        return false;

    if (m_target.kind == Target::Tcp || m_target.kind == Target::Simulator) {
        if (VXDeviceProperty *port = m_device->property_ptr("TCP_PORT"))
            port->setValue(int(m_target.port));
    }
    if (!aim_at(*m_device, m_target, error))
        return false;
    if (!m_device->connectDevice()) {
        *error = QCoreApplication::translate("vxctl", "the device did not start connecting");
        return false;
    }
    if (!wait_for([this] { return m_up || !m_failure.isEmpty(); }, timeout_ms)) {
        *error = QCoreApplication::translate("vxctl", "no connection to %1 within %2 s")
                     .arg(m_target.describe()).arg(timeout_ms / 1000.0);
        return false;
    }
    if (!m_up) {
        *error = QCoreApplication::translate("vxctl", "cannot connect to %1 (%2)")
                     .arg(m_target.describe(), m_failure);
        return false;
    }
    return true;
}

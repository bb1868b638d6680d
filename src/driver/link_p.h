#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QString>

class Link;
class VXDeviceInterface;

namespace vx {

// A kind of link every device is made with; a device tries its links in
// the order of the list, the built-in ones first.
struct LinkKind
{
    const char *name;
    const char *address; // its form, for hosts: "PATH", "HOST", ...
    const char *label; // a source text of VXDeviceInterface
    Link *(*make)(QObject *parent);
};

template <class L> Link *make_link(QObject *parent) { return new L(parent); }
QList<LinkKind> &link_kinds();
// True, for a static's initializer: devices made later have the link.
inline bool register_link(const LinkKind &kind) { return link_kinds() << kind, true; }

} // namespace vx

// One way to reach a controller. The device opens a link with the address
// it holds under the link's name, writes frames to it, and hears of bytes
// and state changes through its signals. A new transport is a new Link and
// one LinkKind.
class Link : public QObject
{
    Q_OBJECT

public:
    enum State { Closed, Open, Failed, Unchanged };

    using QObject::QObject;

    // The device's key of the address, which is also the connection mode
    // the device reports and the first word of its link messages.
    QString name() const { return QLatin1String(kind.name); }
    // Where the link goes with that address, as a trace names it.
    virtual QString target(const QString &address, VXDeviceInterface &) const { return address; }
    // Opens, or opens again, to the address; the outcome comes as stateChanged.
    // Further settings of the link are read from the device.
    virtual void open(const QString &address, VXDeviceInterface &device) = 0;
    virtual void write(const QByteArray &frame) = 0;
    // Tells a listener (a trace) of the frame, then writes it: a write that
    // finds the link gone reports that at once, and the trace keeps the
    // order in which things happened.
    void send(const QByteArray &frame)
    {
        emit sent(frame);
        write(frame);
    }
    // Closes now, reporting what closing reports, and lets go of the
    // transport without deleting it under a signal that may be running.
    virtual void close() = 0;

    vx::LinkKind kind{};

signals:
    void sent(const QByteArray &frame);
    void received(const QByteArray &bytes);
    void stateChanged(Link::State state);
};

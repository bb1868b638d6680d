#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QString>

class VXDeviceInterface;

// One way to reach a controller. The device opens a link with the address
// it holds under the link's name, writes frames to it, and hears of bytes
// and state changes through its signals. A new transport is a new Link.
class Link : public QObject
{
    Q_OBJECT

public:
    enum State { Closed, Open, Failed, Unchanged };

    using QObject::QObject;

    // The device's key of the address, which is also the connection mode
    // the device reports and the first word of its link messages.
    virtual QString name() const = 0;
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

signals:
    void sent(const QByteArray &frame);
    void received(const QByteArray &bytes);
    void stateChanged(Link::State state);
};

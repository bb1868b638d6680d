#pragma once

#include "receive_buffer.h"

#include <QtCore/QByteArray>
#include <QtCore/QHash>
#include <QtCore/QObject>

class VXDeviceInterface;

// The results of the CCMD replies a device hears. The plugin drops a
// refused reply without a word, so only the bytes tell a refusal from
// silence: they are taken from the device's links, the child objects with
// a "received(QByteArray)" signal. A plugin without them leaves the tap
// deaf, and a refusal then reads as silence.
class ReplyTap : public QObject
{
    Q_OBJECT

public:
    explicit ReplyTap(VXDeviceInterface *device);

    bool hears() const { return m_links > 0; }
    // The result of the latest reply to this command number; -1 before one.
    int result(int number) const { return m_results.value(number, -1); }
    void forget() { m_results.clear(); }

private slots:
    void on_bytes(const QByteArray &bytes);

private:
    int m_links = 0;
    vx::ReceiveBuffer m_buffer;
    QHash<int, int> m_results;
};

#pragma once

#include "vxplatform_export.h"

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QString>

class QSerialPort;
class QSocketNotifier;

// USB transport: opens the device file that a path names (a serial/CDC
// port, or any other character device) and moves bytes both ways.
// statusChanged reports 1 when open, 2 on an open or I/O error and 0 when
// the device goes away (hang-up, unplug, end of file).
class VXPLATFORM_EXPORT UsbOperate : public QObject
{
    Q_OBJECT

public:
    enum ConnectionMode { Serial = 0, Raw = 1, Auto = 2 };
    Q_ENUM(ConnectionMode)

    enum Status { Disconnected = 0, Connected = 1, Failed = 2 };

    explicit UsbOperate(QObject *parent = nullptr);
    ~UsbOperate() override;

    // Opens the device (closing any previous one); the outcome arrives
    // later through statusChanged. A tty goes through QSerialPort unless
    // mode is Raw; anything else is read and written directly. flag is
    // accepted for compatibility and ignored.
    void usbConnect(QString path, ConnectionMode mode, bool flag);
    // Writes the text's bytes (UTF-8) to the device, in order.
    void send(QString data);

signals:
    void readData(QByteArray data);
    void statusChanged(int status);
    void writeData(QByteArray data);

private:
    bool open_serial(const QString &path);
    bool open_raw(int fd);
    void close_device();
    void announce(quint64 session);
    void report(int status);
    void fail(int status);
    void fail_errno(int err);
    void on_readable();
    void on_writable();
    void flush_pending();
    void on_serial_ready_read();
    void on_serial_bytes_written(qint64 bytes);
    void on_serial_error(int error);
    // After an emission: the object lives and still serves the session.
    static bool still_serving(const QPointer<UsbOperate> &self, quint64 session);

    QSerialPort *m_serial = nullptr;
    int m_fd = -1;
    QSocketNotifier *m_read_notifier = nullptr;
    QSocketNotifier *m_write_notifier = nullptr;
    // Bytes accepted by send() and not yet written to the device, oldest
    // first. On the serial path the first m_handed bytes already sit in
    // the port's own write buffer.
    QByteArray m_pending;
    qint64 m_handed = 0;
    // Bumped whenever a device is opened or closed; queued reports that
    // belong to an older session are dropped.
    quint64 m_session = 0;
    bool m_announced = false; // statusChanged(1) delivered for this session
    bool m_failing = false;   // a 0/2 report is queued; I/O has stopped
};

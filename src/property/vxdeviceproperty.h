#pragma once

#include "vxdeviceinterface.h"

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVariant>

class QWidget;

// One keyed device setting, status value, command or job payload: a value
// with its display texts and the recipe of the device command that reads
// and writes it. A composite property holds its sub-properties as dynamic
// Qt properties under their keys and lists those keys as its value.
class VX_EXPORT VXDeviceProperty : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariant value READ value WRITE setValue NOTIFY valueChanged)

public:
    explicit VXDeviceProperty(QObject *parent = nullptr);
    VXDeviceProperty(const VXDeviceProperty &other);

    bool init(QVariant value, QString label, QString unit, int get_cmd, int set_cmd, int len,
              VXDeviceInterface::VXDeviceCMDType cmd_type, QStringList param);

    const QVariant &value() const;
    void setValue(const QVariant &v);
    // Takes the value without notifying, as replies do: for state the
    // driver keeps up to date on every read (the time of the last data).
    void set_value_silently(const QVariant &v);

    QString label() const;
    QString uint() const;
    QStringList param() const;
    int cmd_len() const;
    VXDeviceInterface::VXDeviceCMDType cmd_type() const;
    int get_cmd_int() const;
    int set_cmd_int() const;

    void ret_Status(int ret);

    VXDeviceProperty *property_ptr(const char *key) const;

    // Frames have no escaping, so a frame is refused (empty, with a
    // warning naming the key) when a value would break out of it: STX,
    // ETX or NUL anywhere, or ";" inside a command value.
    QByteArray get_cmd_bytes() const;
    QByteArray set_cmd_bytes() const;
    // The frame that would set this property to `value` (a page made ready
    // before it becomes the value, say).
    QByteArray set_cmd_bytes(const QVariant &value) const;
    QByteArray pack(QString body, QString name) const;
    void set_decode(QString field);
    void set_decode(QStringList fields);

    // Editor controls: built from the VXEditor description into a page
    // that has a layout, filled from the value, and read back into it.
    void create_ui_ctrl(QWidget *parent, QString name, bool show_unit);
    void to_ui_ctrl();
    void from_ui_ctrl();

signals:
    void valueChanged();
    void retStatus(int ret);

private:
    QVariant m_value;
    QVariant m_last_value;
    int m_get_cmd = 0;
    int m_set_cmd = 0;
    int m_len = 0;
    QString m_label;
    QString m_unit;
    VXDeviceInterface::VXDeviceCMDType m_cmd_type = VXDeviceInterface::UnCMD;
    QStringList m_param;
};

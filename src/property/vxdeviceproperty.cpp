#include "vxdeviceproperty.h"

#include "property_store_p.h"

VXDeviceProperty::VXDeviceProperty(QObject *parent)
    : QObject(parent)
    , m_label(QLatin1String(""))
    , m_unit(QLatin1String(""))
{
}

// A copy carries the value and the command recipe, but neither the fixed
// parameters nor any dynamic property (editor, control, sub-properties).
VXDeviceProperty::VXDeviceProperty(const VXDeviceProperty &other)
    : QObject(nullptr)
    , m_value(other.m_value)
    , m_last_value(other.m_last_value)
    , m_get_cmd(other.m_get_cmd)
    , m_set_cmd(other.m_set_cmd)
    , m_len(other.m_len)
    , m_label(other.m_label)
    , m_unit(other.m_unit)
    , m_cmd_type(other.m_cmd_type)
{
}

bool VXDeviceProperty::init(QVariant value, QString label, QString unit, int get_cmd, int set_cmd,
                            int len, VXDeviceInterface::VXDeviceCMDType cmd_type, QStringList param)
{
    m_value = value;
    m_last_value = value;
    m_label = label;
    m_unit = unit;
    m_get_cmd = get_cmd;
    m_set_cmd = set_cmd;
    m_len = len;
    m_cmd_type = cmd_type;
    m_param = param;
    return true;
}

// Going back to the previous value is silent: the editor read-back uses it
// to undo an edit without telling the host twice.
void VXDeviceProperty::setValue(const QVariant &v)
{
    if (v == m_last_value) {
        m_value = v;
        return;
    }
    if (m_value == v)
        return;
    m_last_value = m_value;
    m_value = v;
    emit valueChanged();
}

void VXDeviceProperty::set_value_silently(const QVariant &v) { m_value = v; }
void VXDeviceProperty::ret_Status(int ret) { emit retStatus(ret); }

const QVariant &VXDeviceProperty::value() const { return m_value; }
QString VXDeviceProperty::label() const { return m_label; }
QString VXDeviceProperty::uint() const { return m_unit; }
QStringList VXDeviceProperty::param() const { return m_param; }
int VXDeviceProperty::cmd_len() const { return m_len; }
VXDeviceInterface::VXDeviceCMDType VXDeviceProperty::cmd_type() const { return m_cmd_type; }
int VXDeviceProperty::get_cmd_int() const { return m_get_cmd; }
int VXDeviceProperty::set_cmd_int() const { return m_set_cmd; }
VXDeviceProperty *VXDeviceProperty::property_ptr(const char *key) const { return vx::held_property(this, key); }

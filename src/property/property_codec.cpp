// Command frames of a property and the decoding of reply fields into it.
#include "vxdeviceproperty.h"

#include "frame.h"

namespace {

QByteArray frame_name(VXDeviceInterface::VXDeviceCMDType kind)
{
    switch (kind) {
    case VXDeviceInterface::CCMD: return QByteArrayLiteral("CCMD");
    case VXDeviceInterface::CMD:
    case VXDeviceInterface::NUM: return QByteArrayLiteral("CMD");
    case VXDeviceInterface::PLT: return QByteArrayLiteral("PLT");
    case VXDeviceInterface::PPLT: return QByteArrayLiteral("PPLT");
    case VXDeviceInterface::QRPLT: return QByteArrayLiteral("QR_PLT");
    case VXDeviceInterface::UnCMD: break;
    }
    return QByteArray();
}

// The words of a value spanning several 16-bit device addresses; addresses
// past the sixth word are written as 0.
QByteArray word_at(quint32 value, int index)
{
    switch (index) {
    case 0: return QByteArray::number(value & 0xFFFFu);
    case 1: return QByteArray::number(value >> 16);
    default: return QByteArrayLiteral("0");
    }
}

} // namespace

QByteArray VXDeviceProperty::pack(QString body, QString name) const
{
    return vx::frame(name.toUtf8(), body.toUtf8());
}

QByteArray VXDeviceProperty::get_cmd_bytes() const
{
    if (m_cmd_type == VXDeviceInterface::UnCMD || m_len == 0 || m_get_cmd == 0)
        return QByteArray();

    QByteArray body;
    switch (m_cmd_type) {
    case VXDeviceInterface::CMD:
        body = QByteArrayLiteral("GET");
        for (int i = 0; i < m_len; ++i)
            body += QByteArray::number(m_get_cmd + i) + ';';
        break;
    case VXDeviceInterface::CCMD:
        body = QByteArray::number(m_get_cmd);
        for (const QString &p : m_param)
            body += ',' + p.toUtf8();
        body += ';';
        break;
    default:
        return QByteArray();
    }
    return vx::frame(frame_name(m_cmd_type), body);
}

QByteArray VXDeviceProperty::set_cmd_bytes() const
{
    return set_cmd_bytes(m_value);
}

QByteArray VXDeviceProperty::set_cmd_bytes(const QVariant &value) const
{
    if (m_cmd_type == VXDeviceInterface::UnCMD || m_set_cmd == 0)
        return QByteArray();

    QByteArray body;
    switch (m_cmd_type) {
    case VXDeviceInterface::CCMD: {
        const QStringList keys = value.toStringList();
        if (keys.size() < 2) {
            body = QByteArray::number(m_set_cmd) + ',';
            for (const QString &p : m_param)
                body += p.toUtf8() + ',';
            body += value.toString().toUtf8() + ';';
        } else {
            // A composite carries its sub-properties' values in key order.
            body = QByteArray::number(m_set_cmd);
            for (const QString &key : keys) {
                if (const VXDeviceProperty *sub = property_ptr(key.toLatin1().constData()))
                    body += ',' + sub->value().toString().toUtf8();
            }
            body += ';';
        }
        break;
    }
    case VXDeviceInterface::CMD:
        body = QByteArrayLiteral("SET");
        if (m_len == 1) {
            body += QByteArray::number(m_get_cmd) + ':' + value.toString().toUtf8() + ';';
        } else if (m_len > 1) {
            const quint32 words = value.toUInt();
            for (int i = 0; i < m_len; ++i)
                body += QByteArray::number(m_set_cmd + i) + ':' + word_at(words, i) + ';';
        }
        break;
    case VXDeviceInterface::NUM:
        body = "NUM:" + value.toString().toUtf8() + ';';
        break;
    case VXDeviceInterface::PLT:
    case VXDeviceInterface::PPLT:
    case VXDeviceInterface::QRPLT:
        body = value.toString().toUtf8();
        break;
    default:
        return QByteArray();
    }
    return vx::frame(frame_name(m_cmd_type), std::move(body));
}

// Replies never notify: the host reads the new value when it chooses to.
void VXDeviceProperty::set_decode(QString field)
{
    bool ok = false;
    switch (m_value.userType()) {
    case QMetaType::QString:
        m_value = field;
        break;
    case QMetaType::UInt: {
        const quint32 v = field.toUInt(&ok, 10);
        m_value = ok ? v : 0u;
        break;
    }
    case QMetaType::Int: {
        const int v = field.toInt(&ok, 10);
        m_value = ok ? v : 0;
        break;
    }
    case QMetaType::Double: {
        const double v = field.toDouble(&ok);
        m_value = ok ? v : 0.0;
        break;
    }
    default:
        break;
    }
}

void VXDeviceProperty::set_decode(QStringList fields)
{
    if (fields.isEmpty())
        return;
    if (fields.size() < 2) {
        set_decode(fields.first());
        return;
    }

    switch (m_cmd_type) {
    case VXDeviceInterface::CMD: {
        // Field 0 is the low word, field 1 the high word of a 32-bit value.
        quint32 v = m_value.toUInt();
        for (int i = 0; i < 2; ++i) {
            bool ok = false;
            const quint32 word = fields.at(i).toUShort(&ok, 10);
            const int shift = 16 * i;
            v = (v & ~(0xFFFFu << shift)) | ((ok ? word : 0u) << shift);
        }
        m_value = static_cast<int>(v);
        break;
    }
    case VXDeviceInterface::CCMD: {
        const QStringList keys = m_value.toStringList();
        if (keys.isEmpty()) {
            // A plain property: the reply must echo every fixed parameter.
            const int n = m_param.size();
            if (fields.size() <= n)
                return;
            for (int i = 0; i < n; ++i) {
                if (fields.at(i) != m_param.at(i))
                    return;
            }
            set_decode(fields.at(n));
        } else {
            const int count = qMin(keys.size(), fields.size());
            for (int i = 0; i < count; ++i) {
                if (VXDeviceProperty *sub = property_ptr(keys.at(i).toLatin1().constData()))
                    sub->set_decode(QStringList{fields.at(i)});
            }
        }
        break;
    }
    default:
        break;
    }
}

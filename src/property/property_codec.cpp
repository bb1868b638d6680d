// Command frames of a property and the decoding of reply fields into it.
#include "vxdeviceproperty.h"

#include "frame.h"
#include "property_store_p.h"
#include "protocol.h"

Q_LOGGING_CATEGORY(lcProperty, "vx.property", QtInfoMsg)

namespace {

QByteArray frame_name(VXDeviceInterface::VXDeviceCMDType kind)
{
    return vx::protocol::frame_name(vx::protocol::FrameKind(kind));
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

// A command value may carry "," (multi-field values such as a jog) but
// not ";", which would close its item and start a command of its own.
bool breaks_command(const QByteArray &text)
{
    return text.contains(';') || vx::holds_frame_control(text);
}

// Host input (a device name, a machine number) must never become commands
// the host did not ask for: such a frame is not built at all.
QByteArray refused(const VXDeviceProperty &property, const char *operation)
{
    qCWarning(lcProperty).nospace() << "VXDeviceProperty::" << operation << " refused for "
                                    << (property.objectName().isEmpty() ? property.label() : property.objectName())
                                    << ": a value carries a frame delimiter";
    return QByteArray();
}

} // namespace

QByteArray VXDeviceProperty::pack(QString body, QString name) const
{
    QByteArray name_bytes = name.toUtf8();
    QByteArray body_bytes = body.toUtf8();
    if (breaks_command(name_bytes) || vx::holds_frame_control(body_bytes))
        return refused(*this, "pack");
    return vx::frame(name_bytes, std::move(body_bytes));
}

QByteArray VXDeviceProperty::get_cmd_bytes() const
{
    if (m_cmd_type == VXDeviceInterface::UnCMD || m_len == 0 || m_get_cmd == 0)
        return QByteArray();

    QByteArray body;
    switch (m_cmd_type) {
    case VXDeviceInterface::CMD:
        body = vx::protocol::kCmdGet;
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

    bool breaks_out = false;
    const auto command_value = [&breaks_out](const QVariant &v) {
        QByteArray text = v.toString().toUtf8();
        breaks_out = breaks_out || breaks_command(text);
        return text;
    };
    QByteArray body;
    switch (m_cmd_type) {
    case VXDeviceInterface::CCMD: {
        const QStringList keys = value.toStringList();
        if (keys.size() < 2) {
            body = QByteArray::number(m_set_cmd) + ',';
            for (const QString &p : m_param)
                body += p.toUtf8() + ',';
            body += command_value(value) + ';';
        } else {
            // A composite carries its sub-properties' values in key order.
            body = QByteArray::number(m_set_cmd);
            for (const QString &key : keys) {
                if (const VXDeviceProperty *sub = property_ptr(key.toLatin1().constData()))
                    body += ',' + command_value(sub->value());
            }
            body += ';';
        }
        break;
    }
    case VXDeviceInterface::CMD:
        body = vx::protocol::kCmdSet;
        if (m_len == 1) {
            body += QByteArray::number(m_get_cmd) + ':' + command_value(value) + ';';
        } else if (m_len > 1) {
            const quint32 words = value.toUInt();
            for (int i = 0; i < m_len; ++i)
                body += QByteArray::number(m_set_cmd + i) + ':' + word_at(words, i) + ';';
        }
        break;
    case VXDeviceInterface::NUM:
        body = vx::protocol::kCmdNum + command_value(value) + ';';
        break;
    case VXDeviceInterface::PLT:
    case VXDeviceInterface::PPLT:
    case VXDeviceInterface::QRPLT:
        // Plotter commands end in ";" and carry ",": only the delimiters are refused.
        body = value.toString().toUtf8();
        breaks_out = vx::holds_frame_control(body);
        break;
    default:
        return QByteArray();
    }
    if (breaks_out)
        return refused(*this, "set_cmd_bytes");
    return vx::frame(frame_name(m_cmd_type), std::move(body));
}

// Replies never notify: the host reads the new value when it chooses to.
void VXDeviceProperty::set_decode(QString field)
{
    // What is not a number reads as 0: toUInt and toInt return 0 for it,
    // but toDouble returns infinity on overflow.
    switch (m_value.userType()) {
    case QMetaType::QString:
        m_value = field;
        break;
    case QMetaType::UInt:
        m_value = field.toUInt();
        break;
    case QMetaType::Int:
        m_value = field.toInt();
        break;
    case QMetaType::Double: {
        bool ok = false;
        const double v = field.toDouble(&ok);
        m_value = ok ? v : 0.0;
        break;
    }
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
            const int shift = 16 * i;
            v = (v & ~(0xFFFFu << shift)) | (quint32(fields.at(i).toUShort()) << shift);
        }
        m_value = static_cast<int>(v);
        break;
    }
    case VXDeviceInterface::CCMD: {
        const QStringList keys = m_value.toStringList();
        if (keys.isEmpty()) {
            // A plain property: the reply must echo every fixed parameter.
            const int n = m_param.size();
            if (fields.size() <= n || fields.mid(0, n) != m_param)
                return;
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

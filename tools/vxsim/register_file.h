#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QHash>
#include <QtCore/QList>

namespace vx::sim {

// The controller's settings, keyed by write number, plus the separate
// address space of the CMD GET/SET requests.
class RegisterFile
{
public:
    RegisterFile();

    // Answers a CCMD settings read or write with the reply's comma list:
    // "w,0" for a stored write, "r,0,<fields>" for a read, "n,1" otherwise.
    QByteArray command(int number, const QList<QByteArray> &fields);

    QList<QByteArray> values(int write_number) const { return m_values.value(write_number); }
    void set_values(int write_number, const QList<QByteArray> &fields);

    QByteArray address(int address) const { return m_addresses.value(address, "0"); }
    void set_address(int address, const QByteArray &value) { m_addresses.insert(address, value); }

    // Copies ordered, at least 1.
    int copies() const;
    bool qr_code_mode() const;

private:
    QHash<int, QList<QByteArray>> m_values;
    QHash<int, QByteArray> m_addresses;
};

} // namespace vx::sim

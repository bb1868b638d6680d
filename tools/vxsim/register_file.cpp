#include "register_file.h"

#include "protocol.h"
#include "sim_log.h"

namespace vx::sim {

using namespace vx::protocol;

namespace {

// Read number -> the write number whose register it reads. Camera offset
// has two numberings (18/17 on this machine, 16/15 in the catalogue) for
// one register; firmware is read-only.
const QHash<int, int> &read_to_write()
{
    static const QHash<int, int> table = {
        {7, 6},   {9, 8},   {18, 17}, {16, 17}, {61, 20}, {62, 21}, {63, 22}, {64, 23},
        {30, 30}, {32, 32}, {45, 44}, {47, 46}, {49, 48}, {55, 55}, {51, 51},
    };
    return table;
}

// Write numbers that store a register, and the register they store.
const QHash<int, int> &write_to_register()
{
    static const QHash<int, int> table = {
        {6, 6},   {8, 8},   {17, 17}, {15, 17}, {20, 20}, {21, 21}, {22, 22},
        {23, 23}, {30, 30}, {32, 32}, {44, 44}, {46, 46}, {48, 48}, {55, 55},
    };
    return table;
}

constexpr int kFirmwareRegister = 51;

} // namespace

RegisterFile::RegisterFile()
{
    m_values = {
        {6, {"0", "150"}},    // speed
        {8, {"0", "200"}},    // pressure
        {17, {"0.5", "-20"}}, // camera offset x, y in mm
        {20, {"100"}},        // scale x in %
        {21, {"100"}},        // scale y in %
        {22, {"300", "500"}}, // work area in mm
        {23, {"1"}},          // cut quality: balanced
        {Copies, {"1"}},
        {JobMode, {"0"}},
        {44, {"VX3050-0001"}}, // device id
        {46, {"B437-0001"}},   // board id
        {48, {"4.37"}},        // board version
        {55, {"qrcode.plt"}},  // QR-code file
        {kFirmwareRegister, {"V3.4.37"}},
    };
}

QByteArray RegisterFile::command(int number, const QList<QByteArray> &fields)
{
    const QByteArray code = QByteArray::number(number);
    const bool readable = read_to_write().contains(number);
    const bool writable = write_to_register().contains(number);

    // A number that both reads and writes is a write when it carries fields.
    if (writable && (!fields.isEmpty() || !readable)) {
        if (fields.isEmpty())
            return code + ",1";
        set_values(write_to_register().value(number), fields);
        return code + ",0";
    }
    if (readable) {
        const QList<QByteArray> stored = values(read_to_write().value(number));
        return code + ",0" + (stored.isEmpty() ? QByteArray() : ',' + stored.join(','));
    }
    qCDebug(lcSim) << "unknown command number" << number;
    return code + ",1";
}

void RegisterFile::set_values(int write_number, const QList<QByteArray> &fields)
{
    qCDebug(lcSim) << "register" << write_number << "=" << fields;
    m_values.insert(write_number, fields);
}

int RegisterFile::copies() const
{
    return qMax(1, values(Copies).value(0).toInt());
}

bool RegisterFile::qr_code_mode() const
{
    return values(JobMode).value(0).toInt() != 0;
}

} // namespace vx::sim

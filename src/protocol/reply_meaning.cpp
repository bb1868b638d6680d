#include "reply_meaning.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QList>

namespace vx::protocol {

namespace {

// The texts are vxctl's to translate.
QList<MeaningRow> &rows()
{
    static QList<MeaningRow> table{
        {Meaning::Progress, FrameKind::CCMD, ProgressReport, true, QT_TRANSLATE_NOOP("vxctl", "job record")},
        {Meaning::QrCode, FrameKind::CCMD, QrCode, true, QT_TRANSLATE_NOOP("vxctl", "QR code")},
        {Meaning::QrCode, FrameKind::CCMD, QrCodeFile, true, QT_TRANSLATE_NOOP("vxctl", "QR code")},
        {Meaning::MachineStop, FrameKind::CCMD, MachineStop, true, QT_TRANSLATE_NOOP("vxctl", "stop pressed on the machine")},
        {Meaning::PageDone, FrameKind::CCMD, PageDone, false, QT_TRANSLATE_NOOP("vxctl", "page done")},
        {Meaning::Heartbeat, FrameKind::CCMD, Heartbeat, false, QT_TRANSLATE_NOOP("vxctl", "heartbeat")},
        {Meaning::JobControl, FrameKind::CCMD, JobControl, false, QT_TRANSLATE_NOOP("vxctl", "job control answered")},
        // Never a property's value, whatever the frame: the pause, resume
        // and stop settings share the number.
        {Meaning::JobControl, FrameKind::CCMD, kCmdJobControl, false, QT_TRANSLATE_NOOP("vxctl", "job control answered")},
        {Meaning::JobControl, FrameKind::CMD, kCmdJobControl, true, QT_TRANSLATE_NOOP("vxctl", "job control answered")},
    };
    return table;
}

bool refused(const Reply &reply)
{
    return reply.kind == FrameKind::CCMD && (!reply.has_result() || reply.result() != kDone);
}

} // namespace

void add_meaning(const MeaningRow &row)
{
    rows() << row;
}

const MeaningRow *meaning_row(const Reply &reply)
{
    if (!reply.complete)
        return nullptr;
    for (const MeaningRow &row : rows()) {
        if (row.kind == reply.kind && row.code == reply.code && (row.any_result || !refused(reply)))
            return &row;
    }
    return nullptr;
}

Meaning classify(const Reply &reply)
{
    if (const MeaningRow *row = meaning_row(reply))
        return row->meaning;
    if (!reply.complete || reply.kind == FrameKind::None)
        return Meaning::Unknown;
    if (refused(reply))
        return Meaning::Refused;
    return reply.values().isEmpty() ? Meaning::Unknown : Meaning::Setting;
}

} // namespace vx::protocol

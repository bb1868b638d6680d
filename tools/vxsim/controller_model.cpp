#include "controller_model.h"

#include "frame.h"
#include "protocol.h"
#include "controller_request.h"
#include "sim_log.h"

namespace vx::sim {

using namespace vx::protocol;

namespace {
// A task control value that is no number is no action at all.
int action_of(const QByteArray &field)
{
    bool ok = false;
    const int action = field.toInt(&ok);
    return ok ? action : -1;
}
} // namespace

ControllerModel::ControllerModel(const SimulatorOptions &options, QObject *parent)
    : QObject(parent), m_jobs(&m_registers, options), m_refused_command(options.refused_command)
{
    connect(&m_jobs, &JobFlow::frame_out, this, &ControllerModel::frame_out);
    connect(&m_jobs, &JobFlow::page_finished, this, &ControllerModel::page_finished);
}

void ControllerModel::handle(const ControllerRequest &request)
{
    using Kind = ControllerRequest::Kind;
    switch (request.kind) {
    case Kind::Invalid:
        qCDebug(lcSim) << "ignoring a bad request:" << request.error;
        break;
    case Kind::Command:
        handle_command(request.number, request.fields);
        break;
    case Kind::AddressRead: {
        QByteArray body;
        for (int address : request.addresses)
            body += kCmdGet + QByteArray::number(address) + ':' + m_registers.address(address) + ';';
        reply(vx::frame(frame_name(FrameKind::CMD), body));
        break;
    }
    case Kind::AddressWrite:
        for (const auto &assignment : request.assignments)
            m_registers.set_address(assignment.first, assignment.second);
        reply(vx::frame(frame_name(FrameKind::CMD), kCmdOk));
        break;
    case Kind::CopiesNumber:
        m_registers.set_values(Copies, {QByteArray::number(request.copies)});
        reply(vx::frame(frame_name(FrameKind::CMD), kCmdOk));
        break;
    case Kind::JobText:
        if (request.frameName == frame_name(FrameKind::QRPLT))
            m_jobs.set_qr_code_job(request.jobText);
        else
            m_jobs.receive_page(request.jobText);
        break;
    }
}

void ControllerModel::handle_command(int number, const QList<QByteArray> &fields)
{
    const bool is_write = !fields.isEmpty();
    if (number == m_refused_command)
        reply(ccmd_reply(ccmd_items(number, kFailed)));
    else if (number == StatusRequest)
        m_jobs.request_status();
    else if (number == QrCode)
        m_jobs.request_qr_code();
    else if (number == JobControl && is_write)
        m_jobs.control(action_of(fields.first()));
    else if (number == Copies && is_write)
        m_jobs.write_copies(fields);
    else if (number == Jog && is_write)
        reply(ccmd_reply(ccmd_items(Jog, kDone)));
    else
        reply(ccmd_reply(m_registers.command(number, fields)));
}

} // namespace vx::sim

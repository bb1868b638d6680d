#include "job_flow.h"

#include "controller_codes.h"
#include "plot_path.h"
#include "progress_report.h"
#include "register_file.h"
#include "sim_log.h"

namespace vx::sim {

namespace {
// A QR-code copy without a QR_PLT job cuts a 25 mm square label.
constexpr double DefaultQrCodeLengthMm = 100.0;
} // namespace

JobFlow::JobFlow(RegisterFile *registers, const SimulatorOptions &options, QObject *parent)
    : QObject(parent),
      m_registers(registers),
      m_fileName(options.fileName),
      m_pass(options.cutSpeedMmPerSecond, options.progressIntervalMs),
      m_qrCodeLength(DefaultQrCodeLengthMm)
{
    connect(&m_pass, &CuttingPass::pageCut, this, &JobFlow::handlePageCut);
    connect(&m_pass, &CuttingPass::progressDue, this, [this] {
        if (isCutting())
            sendProgress();
    });
}

void JobFlow::receivePage(const QByteArray &plotterText)
{
    const double length = plot_path_length_mm(plotterText);
    if (m_state != State::FirstPass) {
        reset();
        setState(State::FirstPass);
    }
    qCDebug(lcSim) << "page" << m_pageLengths.size() << "of" << length << "mm";
    m_pageLengths.append(length);
    ++m_unreportedPages;
    m_pass.append(length);
}

void JobFlow::setQrCodeJob(const QByteArray &plotterText)
{
    m_qrCodeLength = plot_path_length_mm(plotterText);
}

void JobFlow::requestStatus()
{
    switch (m_state) {
    case State::FirstPass:
        // The status request after the last page is answered by that page's
        // report. If the report already went out, it was the answer, and
        // the copy is complete now without another "4,0".
        m_statusRequested = true;
        if (m_unreportedPages == 0)
            completeCopy();
        break;
    case State::Repeating:
    case State::QrCutting:
        // Answered by the "4,0" that ends this copy.
        break;
    default:
        reply("4,0");
        break;
    }
}

void JobFlow::requestQrCode()
{
    if (!m_registers->qrCodeMode() || isCutting()) {
        reply("11,1");
        return;
    }
    if (m_state != State::QrAwaiting)
        reset();
    ++m_qrSerial;
    reply("11,0,QR" + QByteArray::number(m_qrSerial).rightJustified(4, '0'));
    startPass(State::QrCutting, {m_qrCodeLength});
}

void JobFlow::writeCopies(const QList<QByteArray> &fields)
{
    reply("30,0");
    switch (m_state) {
    case State::AwaitingCopy:
        startPass(State::Repeating, m_pageLengths);
        break;
    case State::Repeating:
        qCDebug(lcSim) << "one more copy asked for while repeating: ignored";
        break;
    default:
        m_registers->setValues(CopiesCode, fields);
        break;
    }
}

void JobFlow::control(int action)
{
    switch (action) {
    case 0:
    case 1:
        m_pass.setPaused(action == 0);
        break;
    case 2:
        reset();
        m_pass.setPaused(false);
        break;
    default:
        reply("27,1");
        return;
    }
    qCDebug(lcSim) << (action == 0 ? "paused" : action == 1 ? "resumed" : "stopped");
    reply("27,0," + QByteArray::number(action));
}

void JobFlow::pressMachineStop()
{
    reset();
    m_pass.setPaused(false);
    reply(QByteArray::number(MachineStopCode) + ",0");
}

void JobFlow::abort()
{
    reset();
    m_pass.setPaused(false);
}

void JobFlow::reset()
{
    setState(State::Idle);
    m_pass.clear();
    m_pageLengths.clear();
    m_unreportedPages = 0;
    m_statusRequested = false;
    m_finished = 0;
}

void JobFlow::setState(State state)
{
    if (state != m_state)
        qCDebug(lcSim) << "job state" << int(m_state) << "->" << int(state);
    m_state = state;
}

void JobFlow::startPass(State state, const QList<double> &pageLengths)
{
    setState(state);
    m_pass.clear();
    for (double length : pageLengths)
        m_pass.append(length);
}

void JobFlow::handlePageCut()
{
    sendProgress();
    if (m_state == State::FirstPass) {
        --m_unreportedPages;
        reply("4,0");
        if (m_unreportedPages == 0 && m_statusRequested)
            completeCopy();
    } else if (m_pass.isDone()) {
        // A repeated copy or a QR-code copy is reported once, as a whole.
        reply("4,0");
        completeCopy();
    }
    emit pageFinished();
}

void JobFlow::completeCopy()
{
    const bool qrCode = m_state == State::QrCutting;
    m_statusRequested = false;
    m_pass.clear();
    ++m_finished;
    const int copies = m_registers->copies();
    qCDebug(lcSim) << "copy" << m_finished << "of" << copies << "done";
    if (m_finished < copies) {
        setState(qrCode ? State::QrAwaiting : State::AwaitingCopy);
        return;
    }
    const ProgressReport report{0, m_fileName, copies, copies, 100.0};
    emit frameOut(ccmd_reply(progress_items(report)), true);
    setState(State::Idle);
}

void JobFlow::sendProgress()
{
    const int copies = m_registers->copies();
    const double percent = 100.0 * (m_finished + m_pass.fraction()) / copies;
    const ProgressReport report{1, m_fileName, copies, m_finished, percent};
    emit frameOut(ccmd_reply(progress_items(report)), true);
}

void JobFlow::reply(const QByteArray &items)
{
    emit frameOut(ccmd_reply(items), false);
}

bool JobFlow::isCutting() const
{
    return m_state == State::FirstPass || m_state == State::Repeating
        || m_state == State::QrCutting;
}

} // namespace vx::sim

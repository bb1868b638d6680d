#include "job_flow.h"

#include "protocol.h"
#include "plot_path.h"
#include "progress_report.h"
#include "register_file.h"
#include "sim_log.h"

namespace vx::sim {

using namespace vx::protocol;

namespace {
// A QR-code copy without a QR_PLT job cuts a 25 mm square label.
constexpr double kDefaultQrCodeLengthMm = 100.0;
} // namespace

JobFlow::JobFlow(RegisterFile *registers, const SimulatorOptions &options, QObject *parent)
    : QObject(parent),
      m_registers(registers),
      m_file_name(options.file_name),
      m_qr_codes(options.qr_codes),
      m_ignore_stop(options.ignore_stop),
      m_pass(options.cut_speed_mm_per_second, options.progress_interval_ms),
      m_qr_code_length(kDefaultQrCodeLengthMm)
{
    connect(&m_pass, &CuttingPass::page_cut, this, &JobFlow::handle_page_cut);
    connect(&m_pass, &CuttingPass::progress_due, this, [this] {
        if (is_cutting())
            send_progress();
    });
}

void JobFlow::receive_page(const QByteArray &plotter_text)
{
    const double length = plot_path_length_mm(plotter_text);
    if (!takes_pages_one_by_one()) {
        reset();
        set_state(State::FirstPass);
    }
    qCDebug(lcSim) << "page" << m_page_lengths.size() << "of" << length << "mm";
    m_page_lengths.append(length);
    ++m_unreported_pages;
    m_pass.append(length);
}

void JobFlow::set_qr_code_job(const QByteArray &plotter_text)
{
    m_qr_code_length = plot_path_length_mm(plotter_text);
}

void JobFlow::request_status()
{
    switch (m_state) {
    case State::FirstPass:
    case State::QrPages:
        // The status request after the last page is answered by that page's
        // report. If the report already went out, it was the answer, and
        // the copy is complete now without another "4,0".
        m_status_requested = true;
        if (m_unreported_pages == 0)
            complete_copy();
        break;
    case State::Repeating:
    case State::QrCutting:
        // Answered by the "4,0" that ends this copy.
        break;
    default:
        reply(ccmd_items(PageDone, kDone));
        break;
    }
}

void JobFlow::request_qr_code()
{
    // A listed code whose pages never came is skipped: the next one is read.
    const bool skipping = m_state == State::QrPages && m_pass.page_count() == 0;
    if (!m_registers->qr_code_mode() || (is_cutting() && !skipping)) {
        reply(ccmd_items(QrCode, kFailed));
        return;
    }
    if (m_state != State::QrAwaiting && !skipping)
        reset();
    ++m_qr_serial;
    if (!m_qr_codes.isEmpty()) {
        reply(ccmd_items(QrCode, kDone, m_qr_codes.at((m_qr_serial - 1) % m_qr_codes.size())));
        start_pass(State::QrPages, {});
        return;
    }
    reply(ccmd_items(QrCode, kDone, "QR" + QByteArray::number(m_qr_serial).rightJustified(4, '0')));
    start_pass(State::QrCutting, {m_qr_code_length});
}

void JobFlow::write_copies(const QList<QByteArray> &fields)
{
    reply(ccmd_items(Copies, kDone));
    switch (m_state) {
    case State::AwaitingCopy:
        start_pass(State::Repeating, m_page_lengths);
        break;
    case State::Repeating:
        qCDebug(lcSim) << "one more copy asked for while repeating: ignored";
        break;
    default:
        m_registers->set_values(Copies, fields);
        break;
    }
}

void JobFlow::control(int action)
{
    switch (action) {
    case int(JobAction::Pause):
    case int(JobAction::Resume):
        m_pass.set_paused(action == int(JobAction::Pause));
        break;
    case int(JobAction::Stop):
        if (m_ignore_stop) {
            qCDebug(lcSim) << "stop ignored";
            return;
        }
        reset();
        m_pass.set_paused(false);
        break;
    default:
        reply(ccmd_items(JobControl, kFailed));
        return;
    }
    qCDebug(lcSim) << (action == int(JobAction::Pause) ? "paused" : action == int(JobAction::Resume) ? "resumed" : "stopped");
    reply(ccmd_items(JobControl, kDone, QByteArray::number(action)));
}

void JobFlow::press_machine_stop()
{
    reset();
    m_pass.set_paused(false);
    reply(ccmd_items(MachineStop, kDone));
}

void JobFlow::abort()
{
    reset();
    m_pass.set_paused(false);
}

void JobFlow::reset()
{
    set_state(State::Idle);
    m_pass.clear();
    m_page_lengths.clear();
    m_unreported_pages = 0;
    m_status_requested = false;
    m_finished = 0;
}

void JobFlow::set_state(State state)
{
    if (state != m_state)
        qCDebug(lcSim) << "job state" << int(m_state) << "->" << int(state);
    m_state = state;
}

void JobFlow::start_pass(State state, const QList<double> &page_lengths)
{
    set_state(state);
    m_pass.clear();
    for (double length : page_lengths)
        m_pass.append(length);
}

void JobFlow::handle_page_cut()
{
    send_progress();
    if (takes_pages_one_by_one()) {
        --m_unreported_pages;
        reply(ccmd_items(PageDone, kDone));
        if (m_unreported_pages == 0 && m_status_requested)
            complete_copy();
    } else if (m_pass.is_done()) {
        // A repeated copy or a QR-code copy is reported once, as a whole.
        reply(ccmd_items(PageDone, kDone));
        complete_copy();
    }
    emit page_finished();
}

void JobFlow::complete_copy()
{
    const bool qr_code = m_state == State::QrCutting || m_state == State::QrPages;
    m_status_requested = false;
    m_pass.clear();
    ++m_finished;
    const int copies = m_registers->copies();
    qCDebug(lcSim) << "copy" << m_finished << "of" << copies << "done";
    if (m_finished < copies) {
        set_state(qr_code ? State::QrAwaiting : State::AwaitingCopy);
        return;
    }
    const ProgressReport report{0, m_file_name, copies, copies, 100.0};
    emit frame_out(ccmd_reply(progress_items(report)), true);
    set_state(State::Idle);
}

void JobFlow::send_progress()
{
    const int copies = m_registers->copies();
    const double percent = 100.0 * (m_finished + m_pass.fraction()) / copies;
    const ProgressReport report{1, m_file_name, copies, m_finished, percent};
    emit frame_out(ccmd_reply(progress_items(report)), true);
}

void JobFlow::reply(const QByteArray &items)
{
    emit frame_out(ccmd_reply(items), false);
}

bool JobFlow::is_cutting() const
{
    return m_state == State::FirstPass || m_state == State::Repeating
        || m_state == State::QrCutting || m_state == State::QrPages;
}

// The first pass of a job, and the pages of a listed QR code, arrive page
// by page, each reported "4,0"; a status request closes the copy.
bool JobFlow::takes_pages_one_by_one() const
{
    return m_state == State::FirstPass || m_state == State::QrPages;
}

} // namespace vx::sim

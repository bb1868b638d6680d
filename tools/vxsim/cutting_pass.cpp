#include "cutting_pass.h"

namespace vx::sim {

namespace {
constexpr int kStepIntervalMs = 20;
}

CuttingPass::CuttingPass(double speed_mm_per_second, int progress_interval_ms, QObject *parent)
    : QObject(parent), m_speed(speed_mm_per_second)
{
    m_step_timer.setInterval(m_speed > 0.0 ? kStepIntervalMs : 0);
    m_progress_timer.setInterval(progress_interval_ms);
    connect(&m_step_timer, &QTimer::timeout, this, &CuttingPass::step);
    connect(&m_progress_timer, &QTimer::timeout, this, &CuttingPass::progress_due);
}

void CuttingPass::append(double length_mm)
{
    m_lengths.append(qMax(0.0, length_mm));
    m_total_length += m_lengths.last();
    update_timers();
}

void CuttingPass::clear()
{
    m_lengths.clear();
    m_total_length = 0.0;
    m_cut_length = 0.0;
    m_cut_in_page = 0.0;
    m_cut_pages = 0;
    update_timers();
}

void CuttingPass::set_paused(bool paused)
{
    m_paused = paused;
    update_timers();
}

double CuttingPass::fraction() const
{
    if (m_lengths.isEmpty())
        return 0.0;
    if (m_total_length <= 0.0)
        return double(m_cut_pages) / m_lengths.size();
    return qMin(1.0, (m_cut_length + m_cut_in_page) / m_total_length);
}

void CuttingPass::step()
{
    if (m_paused || is_done()) {
        update_timers();
        return;
    }

    const double length = m_lengths.at(m_cut_pages);
    if (m_speed > 0.0) {
        m_cut_in_page += m_speed * m_clock.restart() / 1000.0;
        if (m_cut_in_page < length)
            return;
    }
    const int index = m_cut_pages++;
    m_cut_length += length;
    m_cut_in_page = 0.0;
    update_timers();
    // Last, since a receiver may clear or refill the pass.
    emit page_cut(index);
}

void CuttingPass::update_timers()
{
    const bool cutting = !m_paused && !is_done();
    if (!cutting) {
        m_step_timer.stop();
        m_progress_timer.stop();
        return;
    }
    if (!m_step_timer.isActive()) {
        m_clock.start();
        m_step_timer.start();
    }
    if (m_speed > 0.0 && m_progress_timer.interval() > 0 && !m_progress_timer.isActive())
        m_progress_timer.start();
}

} // namespace vx::sim

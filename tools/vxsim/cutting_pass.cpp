#include "cutting_pass.h"

namespace vx::sim {

namespace {
constexpr int StepIntervalMs = 20;
}

CuttingPass::CuttingPass(double speedMmPerSecond, int progressIntervalMs, QObject *parent)
    : QObject(parent), m_speed(speedMmPerSecond)
{
    m_stepTimer.setInterval(m_speed > 0.0 ? StepIntervalMs : 0);
    m_progressTimer.setInterval(progressIntervalMs);
    connect(&m_stepTimer, &QTimer::timeout, this, &CuttingPass::step);
    connect(&m_progressTimer, &QTimer::timeout, this, &CuttingPass::progressDue);
}

void CuttingPass::append(double lengthMm)
{
    m_lengths.append(qMax(0.0, lengthMm));
    m_totalLength += m_lengths.last();
    updateTimers();
}

void CuttingPass::clear()
{
    m_lengths.clear();
    m_totalLength = 0.0;
    m_cutLength = 0.0;
    m_cutInPage = 0.0;
    m_cutPages = 0;
    updateTimers();
}

void CuttingPass::setPaused(bool paused)
{
    m_paused = paused;
    updateTimers();
}

double CuttingPass::fraction() const
{
    if (m_lengths.isEmpty())
        return 0.0;
    if (m_totalLength <= 0.0)
        return double(m_cutPages) / m_lengths.size();
    return qMin(1.0, (m_cutLength + m_cutInPage) / m_totalLength);
}

void CuttingPass::step()
{
    if (m_paused || isDone()) {
        updateTimers();
        return;
    }

    const double length = m_lengths.at(m_cutPages);
    if (m_speed > 0.0) {
        m_cutInPage += m_speed * m_clock.restart() / 1000.0;
        if (m_cutInPage < length)
            return;
    }
    const int index = m_cutPages++;
    m_cutLength += length;
    m_cutInPage = 0.0;
    updateTimers();
    // Last, since a receiver may clear or refill the pass.
    emit pageCut(index);
}

void CuttingPass::updateTimers()
{
    const bool cutting = !m_paused && !isDone();
    if (!cutting) {
        m_stepTimer.stop();
        m_progressTimer.stop();
        return;
    }
    if (!m_stepTimer.isActive()) {
        m_clock.start();
        m_stepTimer.start();
    }
    if (m_speed > 0.0 && !m_progressTimer.isActive())
        m_progressTimer.start();
}

} // namespace vx::sim

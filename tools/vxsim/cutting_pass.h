#pragma once

#include <QtCore/QElapsedTimer>
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QTimer>

namespace vx::sim {

// The knife working through one pass of pages, in order: one copy of a
// job, or one QR-code copy. Pages can be appended while it cuts. At speed 0
// each page is done on the next turn of the event loop.
class CuttingPass : public QObject
{
    Q_OBJECT

public:
    CuttingPass(double speed_mm_per_second, int progress_interval_ms, QObject *parent = nullptr);

    void append(double length_mm);
    void clear();
    void set_paused(bool paused);

    int page_count() const { return m_lengths.size(); }
    bool is_done() const { return m_cut_pages == m_lengths.size(); }
    // Share of the pass's path cut so far, 0..1 (by pages if nothing moves).
    double fraction() const;

signals:
    void page_cut(int index);
    // Every progress interval while the knife moves at a speed.
    void progress_due();

private:
    void step();
    void update_timers();

    const double m_speed;
    QList<double> m_lengths;
    double m_total_length = 0.0;
    double m_cut_length = 0.0; // of the finished pages
    double m_cut_in_page = 0.0;
    int m_cut_pages = 0;
    bool m_paused = false;
    QTimer m_step_timer;
    QTimer m_progress_timer;
    QElapsedTimer m_clock;
};

} // namespace vx::sim

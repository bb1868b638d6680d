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
    CuttingPass(double speedMmPerSecond, int progressIntervalMs, QObject *parent = nullptr);

    void append(double lengthMm);
    void clear();
    void setPaused(bool paused);

    int pageCount() const { return m_lengths.size(); }
    bool isDone() const { return m_cutPages == m_lengths.size(); }
    // Share of the pass's path cut so far, 0..1 (by pages if nothing moves).
    double fraction() const;

signals:
    void pageCut(int index);
    // Every progress interval while the knife moves at a speed.
    void progressDue();

private:
    void step();
    void updateTimers();

    const double m_speed;
    QList<double> m_lengths;
    double m_totalLength = 0.0;
    double m_cutLength = 0.0; // of the finished pages
    double m_cutInPage = 0.0;
    int m_cutPages = 0;
    bool m_paused = false;
    QTimer m_stepTimer;
    QTimer m_progressTimer;
    QElapsedTimer m_clock;
};

} // namespace vx::sim

#include "plotter_pages_p.h"

#include "protocol.h"

const QLatin1String kPageEnd(vx::protocol::kPageEnd);

void PlotterPages::load(const QString &job)
{
    m_job = job;
    m_pages.clear();
    vx::protocol::for_each_page(m_job, kPageEnd, [this](int start, int length) { m_pages.append({start, length}); });
}

QString PlotterPages::page(int index) const
{
    const Stretch &stretch = m_pages.at(index);
    // A job of one page is that page: shared, where a copy would hold a
    // large job twice.
    if (stretch.start == 0 && stretch.length + kPageEnd.size() == m_job.size() && m_job.endsWith(kPageEnd))
        return m_job;
    QString text;
    text.reserve(stretch.length + kPageEnd.size());
    text.append(QStringView(m_job).mid(stretch.start, stretch.length));
    text.append(kPageEnd);
    return text;
}

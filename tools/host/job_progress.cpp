#include "job_progress.h"

#include "plotter_file.h"

#include <QtCore/QtGlobal>

#include <cmath>

QString clock_text(double seconds)
{
    const qint64 whole = qint64(std::ceil(qMax(0.0, seconds)));
    return QStringLiteral("%1:%2:%3")
        .arg(whole / 3600)
        .arg(whole / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

namespace {
// Short of a page's end: only the page-done report finishes a page.
constexpr double kMostOfAPage = 0.99;
// The machine's percent comes with one decimal: a report within that of a
// page's end does not show the page done, which the page after it would
// then be taken to be in flight, and a resume would skip that one.
constexpr double kPercentStep = 0.1;
}

JobProgress::JobProgress(const QVector<double> &page_path, int copies, int from_page)
    : m_copies(copies)
{
    set_pages(page_path);
    m_first_page = qBound(0, from_page - 1, qMax(0, pages() - 1));
    m_done_pages = m_first_page;
}

void JobProgress::set_pages(const QVector<double> &page_path)
{
    double total = 0.0;
    for (double length : page_path)
        total += length;
    m_copy_path = total;
    m_weight.clear();
    m_before.clear();
    double before = 0.0;
    for (double length : page_path) {
        // Pages that move nothing weigh as much as any other.
        const double weight = total > 0.0 ? length / total : 1.0 / page_path.size();
        m_before.append(before);
        m_weight.append(weight);
        before += weight;
    }
    m_before.append(1.0);
}

void JobProgress::start_page_by_page(int first_page)
{
    m_page_by_page = true;
    m_pass_start = qBound(0, first_page - 1, qMax(0, pages() - 1));
    m_pass_sent = 1;
    m_done_pages = m_pass_start;
    m_in_page = 0.0;
    update();
}

void JobProgress::page_sent()
{
    if (!m_page_by_page)
        return;
    m_done_pages = qMin(m_pass_start + m_pass_sent, pages());
    m_pass_sent = qMin(m_pass_sent + 1, pages() - m_pass_start);
    m_in_page = 0.0;
    update();
}

void JobProgress::copy_done()
{
    m_copies_done = qMin(m_copies_done + 1, m_copies);
    m_done_pages = 0;
    m_in_page = 0.0;
    m_page_by_page = false;
    update();
}

void JobProgress::machine_report(int percent, int finished, int machine_copies)
{
    m_machine_percent = percent;
    if (machine_copies <= 0 || pages() == 0)
        return;
    // The machine's percent is of all its copies; the share of the one
    // being cut is what is left over the copies it has finished.
    const double pass = qBound(0.0, percent / 100.0 * machine_copies - finished, 1.0);
    if (m_page_by_page) {
        // The pass holds the pages sent so far.
        const double start = m_before.at(m_pass_start);
        locate(start + pass * (m_before.at(m_pass_start + m_pass_sent) - start), -1.0);
    } else {
        locate(pass, kPercentStep / 100.0 * machine_copies);
    }
    update();
}

void JobProgress::finish()
{
    m_finished = true;
    m_copies_done = m_copies;
    m_done_pages = pages();
    m_in_page = 0.0;
    update();
}

// Sets the share of the current page from a position in the copy (0..1);
// in a repeated copy (margin >= 0) the pages the position is past by more
// than the margin are done too.
void JobProgress::locate(double position, double margin)
{
    if (margin >= 0.0) {
        while (m_done_pages + 1 < pages() && m_before.at(m_done_pages + 1) + margin < position) {
            ++m_done_pages;
            m_in_page = 0.0;
        }
    }
    if (m_done_pages >= pages())
        return;
    const double weight = m_weight.at(m_done_pages);
    const double share = weight > 0.0 ? (position - m_before.at(m_done_pages)) / weight : 0.0;
    m_in_page = qMax(m_in_page, qBound(0.0, share, kMostOfAPage));
}

// Where the first copy starts, as a share of a copy.
double JobProgress::copy_start() const
{
    return m_before.value(m_first_page, 0.0);
}

// The job's length in copies: the rest of the first, then whole ones.
double JobProgress::copies_to_cut() const
{
    return 1.0 - copy_start() + (m_copies - 1);
}

double JobProgress::remaining_s(double elapsed_s) const
{
    if (m_finished)
        return 0.0;
    const double estimate = m_speed > 0.0 ? PlotterStats::seconds(copies_to_cut() * m_copy_path, m_speed) : -1.0;
    if (m_share <= 0.0)
        return estimate;
    const double paced = elapsed_s / m_share;
    const double total = estimate >= 0.0 ? (1.0 - m_share) * estimate + m_share * paced : paced;
    return (1.0 - m_share) * total;
}

void JobProgress::update()
{
    if (m_finished) {
        m_percent = 100;
        m_share = 1.0;
        return;
    }
    const double first_copy = 1.0 - copy_start();
    const double total = copies_to_cut();
    double done = m_copies_done > 0 ? first_copy + (m_copies_done - 1) : 0.0;
    if (m_done_pages < pages()) {
        const double start = m_copies_done == 0 ? copy_start() : 0.0;
        done += m_before.at(m_done_pages) - start + m_in_page * m_weight.at(m_done_pages);
    }
    const int percent = total > 0.0 ? int(std::floor(100.0 * done / total)) : 0;
    m_percent = qMax(m_percent, qBound(0, percent, 99));
    m_share = qMax(m_share, total > 0.0 ? qBound(0.0, done / total, 0.999) : 0.0);
}

#pragma once

#include <QtCore/QString>
#include <QtCore/QVector>

// Seconds as H:MM:SS, rounded up.
QString clock_text(double seconds);

// Where a job stands, from what the machine confirmed: whole copies, the
// pages of the copy being cut, and within a page the machine's own
// progress mapped into that page's share. The overall percent never goes
// back and reaches 100 only when the job is finished.
//
// A copy is cut either page by page (the first copy of a machine job: each
// page goes out when the one before is reported done) or as a repeat of
// the stored job, of which the machine reports only its percent; pages it
// has reported past count as done. Pages weigh by their path length.
class JobProgress
{
public:
    // page_path: each page's path length; copies to cut, the first from
    // from_page (1-based) on.
    JobProgress(const QVector<double> &page_path, int copies, int from_page = 1);

    // A QR-code copy: the pages of the file its code names.
    void set_pages(const QVector<double> &page_path);
    // A copy goes out page by page from this page (1-based); its first
    // page is on its way.
    void start_page_by_page(int first_page);
    // Another page went out: the one before it is done.
    void page_sent();
    void copy_done();
    // A progress report of the machine's job: its percent of all its
    // copies, and its copies done and ordered.
    void machine_report(int percent, int finished, int machine_copies);
    void finish();
    // The knife's speed, for the time estimate; 0 when it is not known.
    void set_speed(double mm_per_second) { m_speed = mm_per_second; }
    // Seconds the rest may take after elapsed_s seconds of this job: the
    // path left at the speed, corrected by the pace measured so far, which
    // counts the more the more is done; negative while neither is known.
    double remaining_s(double elapsed_s) const;

    int percent() const { return m_percent; }
    int machine_percent() const { return m_machine_percent; }
    int copies() const { return m_copies; }
    int copies_done() const { return m_copies_done; }
    int pages() const { return m_weight.size(); }
    // The page being cut in the current copy (1-based); the pages before it
    // are done.
    int page() const { return qMin(m_done_pages + 1, pages()); }
    // The share of that page (0..1) the machine's reports confirm cut.
    double page_share() const { return m_in_page; }
    bool finished() const { return m_finished; }

private:
    double copy_start() const;
    double copies_to_cut() const;
    void locate(double position, double margin);
    void update();

    QVector<double> m_weight; // share of a copy, summing to 1
    QVector<double> m_before; // share of the pages before each page
    double m_copy_path = 0.0; // plotter units
    double m_speed = 0.0;     // mm/s
    double m_share = 0.0;     // of the whole job done (0..1), as the percent counts it
    int m_copies;
    int m_first_page; // 0-based, of the first copy
    int m_copies_done = 0;
    int m_done_pages = 0; // of the current copy, counted from its page 1
    double m_in_page = 0.0;
    bool m_page_by_page = false;
    int m_pass_start = 0;
    int m_pass_sent = 0;
    int m_machine_percent = 0;
    int m_percent = 0;
    bool m_finished = false;
};

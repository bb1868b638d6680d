#include "job_figures.h"

#include "job_progress.h"
#include "session.h"

#include <QtCore/QDateTime>
#include <QtCore/QFileInfo>
#include <QtCore/QLocale>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QLabel>

JobFigures::JobFigures(Session &session, QWidget *parent)
    : QWidget(parent), m_session(session)
{
    auto *form = new QFormLayout(this);
    auto add = [&](const QString &label, const char *name) {
        auto *value = new QLabel;
        value->setObjectName(QLatin1String(name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);
        form->addRow(label, value);
        return value;
    };
    m_design = add(tr("Design:"), "figure_design");
    m_copies = add(tr("Copies:"), "figure_copies");
    m_page = add(tr("Page:"), "figure_page");
    m_percent = add(tr("Done:"), "figure_percent");
    m_elapsed = add(tr("Elapsed:"), "figure_elapsed");
    m_remaining = add(tr("Remaining:"), "figure_remaining");
    m_finish = add(tr("Expected finish:"), "figure_finish");
    refresh();
}

QString JobFigures::copies_text() const
{
    return m_copies->text();
}

QString JobFigures::page_text() const
{
    return m_page->text();
}

void JobFigures::refresh()
{
    const PlotterStats &stats = m_session.stats();
    const JobProgress *progress = m_session.progress();
    const bool running = m_session.job() != Session::Job::Idle;
    // A QR-code job's design is the file for the code read last.
    const bool qr = m_session.qr_job() && progress;
    if (qr && m_session.waiting_for_code())
        m_design->setText(running ? tr("none being cut: waiting for a QR code") : tr("none being cut"));
    else if (qr)
        m_design->setText(tr("%1, %n page(s)", nullptr, progress->pages()).arg(QFileInfo(m_session.cut_file()).fileName()));
    else
        m_design->setText(m_session.file().isEmpty()
                              ? tr("none open")
                              : tr("%1, %n page(s)", nullptr, stats.pages).arg(QFileInfo(m_session.file()).fileName()));
    if (!progress) {
        for (QLabel *label : {m_copies, m_page, m_percent, m_elapsed, m_remaining, m_finish})
            label->setText(QStringLiteral("-"));
        return;
    }
    m_copies->setText(tr("%1 of %2 confirmed cut").arg(progress->copies_done()).arg(progress->copies()));
    if (qr && m_session.waiting_for_code())
        m_page->setText(QStringLiteral("-"));
    else if (progress->finished())
        m_page->setText(tr("all %1 confirmed cut").arg(progress->pages()));
    else if (running)
        m_page->setText(tr("%1 of %2 in flight").arg(progress->page()).arg(progress->pages()));
    else
        m_page->setText(tr("%1 of %2: in flight at the end, cut unknown").arg(progress->page()).arg(progress->pages()));
    m_percent->setText(tr("%1 %").arg(progress->percent()));
    m_elapsed->setText(clock_text(m_session.elapsed_s()));
    const double left = m_session.remaining_s();
    if (!running) {
        m_remaining->setText(QStringLiteral("-"));
        m_finish->setText(QStringLiteral("-"));
    } else if (left < 0.0) {
        m_remaining->setText(tr("unknown"));
        m_finish->setText(tr("unknown"));
    } else {
        m_remaining->setText(clock_text(left));
        m_finish->setText(m_session.paused() ? tr("paused")
                                             : QLocale().toString(QDateTime::currentDateTime().addSecs(qint64(left + 0.5)).time(),
                                                                  QLocale::ShortFormat));
    }
}

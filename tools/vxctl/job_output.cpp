#include "job_output.h"

#include "job_progress.h"
#include "terminal.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDateTime>
#include <QtCore/QJsonDocument>
#include <QtCore/QTextStream>

#include <cmath>

namespace {
constexpr int kWideBar = 20;
constexpr int kNarrowestBar = 5;

QString tr(const char *text)
{
    return QCoreApplication::translate("vxctl", text);
}
} // namespace

JobOutput::JobOutput(QTextStream &out, bool json)
    : m_out(out), m_json(json), m_interactive(!json && Terminal::is_interactive_output())
{
    m_clock.start();
}

double JobOutput::elapsed_s() const
{
    return m_clock.elapsed() / 1000.0;
}

// Elapsed time to the nearest second: a job of 0.2 s did not take one.
QString JobOutput::elapsed_text() const
{
    return clock_text(std::round(elapsed_s()));
}

void JobOutput::event(const QString &name, const QJsonObject &fields, const QString &text)
{
    if (name == QLatin1String("start")) {
        m_clock.restart();
        m_started = true;
    } else if (name == QLatin1String("paused") && m_paused_since < 0) {
        m_paused_since = m_clock.elapsed();
    } else if (name == QLatin1String("resumed") && m_paused_since >= 0) {
        m_paused_ms += m_clock.elapsed() - m_paused_since;
        m_paused_since = -1;
    }
    if (m_json) {
        QJsonObject object{{QStringLiteral("event"), name}};
        for (auto it = fields.begin(); it != fields.end(); ++it)
            object.insert(it.key(), it.value());
        const QDateTime now = QDateTime::currentDateTime();
        object.insert(QStringLiteral("time"), now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODateWithMs));
        object.insert(QStringLiteral("elapsed_s"), elapsed_s());
        object.insert(QStringLiteral("remaining_s"),
                      m_remaining_s < 0.0 ? QJsonValue() : QJsonValue(std::round(m_remaining_s * 10.0) / 10.0));
        m_out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
    } else if (!text.isEmpty()) {
        if (m_bar_open)
            m_out << "\r\033[K";
        m_bar_open = false;
        QString lines = text;
        if (name == QLatin1String("end") && m_started) {
            // After the headline: "finished: … in 0:03:15"; an early end's
            // headline ends in a sentence of its own, so the time follows it.
            const int first_end = lines.indexOf(QLatin1Char('\n'));
            lines.insert(first_end < 0 ? lines.size() : first_end,
                         fields.value(QStringLiteral("outcome")) == QLatin1String("finished")
                             ? tr(" in %1").arg(elapsed_text())
                             : QLatin1Char('\n') + tr("the job ran for %1").arg(elapsed_text()));
        }
        m_out << lines << '\n';
        m_last.clear();
    }
    m_out.flush();
}

// The pace is of the time spent cutting: a pause does not slow it.
void JobOutput::estimate(const JobProgress &progress)
{
    const qint64 paused = m_paused_ms + (m_paused_since >= 0 ? m_clock.elapsed() - m_paused_since : 0);
    m_remaining_s = progress.remaining_s((m_clock.elapsed() - paused) / 1000.0);
}

// The time left and the expected finish, as far as they are known.
QString JobOutput::left_text() const
{
    if (m_remaining_s < 0.0)
        return tr("time left unknown");
    const QDateTime finish = QDateTime::currentDateTime().addMSecs(qint64(m_remaining_s * 1000.0));
    const QString at = finish.date() == QDate::currentDate() ? finish.toString(QStringLiteral("HH:mm"))
                                                              : finish.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    return tr("%1 left, done about %2").arg(clock_text(m_remaining_s), at);
}

void JobOutput::progress(const JobProgress &progress)
{
    estimate(progress);
    const int copy = qMin(progress.copies_done() + 1, progress.copies());
    const QString figures = QStringLiteral("%1%  page %2/%3  copy %4/%5")
                                .arg(progress.percent(), 3)
                                .arg(progress.page())
                                .arg(progress.pages())
                                .arg(copy)
                                .arg(progress.copies());
    const QString machine = QStringLiteral("  (machine %1%)").arg(progress.machine_percent());
    // The times change with every call: a new line only when the job moved.
    if (figures + machine == m_last)
        return;
    m_last = figures + machine;
    if (m_json) {
        event(QStringLiteral("progress"),
              {{QStringLiteral("progress"), progress.percent()},
               {QStringLiteral("page"), progress.page()},
               {QStringLiteral("pages"), progress.pages()},
               {QStringLiteral("copy"), copy},
               {QStringLiteral("copies"), progress.copies()},
               {QStringLiteral("machine_percent"), progress.machine_percent()}},
              QString());
        return;
    }
    const QString elapsed = tr("%1 elapsed").arg(elapsed_text());
    if (m_interactive) {
        m_out << "\r\033[K"
              << bar_line(progress.percent(), figures,
                          {machine, QStringLiteral("  ") + elapsed, QStringLiteral("  ") + left_text()});
        m_bar_open = true;
    } else {
        m_out << "progress " << figures << machine << "  " << elapsed << ", " << left_text() << '\n';
    }
    m_out.flush();
}

// One row shorter than the terminal, or the carriage return would redraw
// only the wrapped end of it. The extras follow the figures while the
// widest bar still fits beside them; the first of them goes first, the
// last (what is left of the job's time) last.
QString JobOutput::bar_line(int percent, const QString &figures, QStringList extras) const
{
    const int columns = Terminal::columns();
    while (!extras.isEmpty() && kWideBar + 3 + figures.size() + extras.join(QString()).size() >= columns)
        extras.removeFirst();
    const QString text = QLatin1Char(' ') + figures + extras.join(QString());
    const int width = qBound(kNarrowestBar, columns - 1 - 2 - text.size(), kWideBar);
    const int filled = width * qBound(0, percent, 100) / 100;
    const QString line = QLatin1Char('[') + QString(filled, QLatin1Char('#')) + QString(width - filled, QLatin1Char('.'))
        + QLatin1Char(']') + text;
    return line.left(columns - 1);
}

void JobOutput::close_bar()
{
    if (m_bar_open)
        m_out << '\n';
    m_bar_open = false;
    m_out.flush();
}

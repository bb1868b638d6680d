#include "job_output.h"

#include "job_progress.h"
#include "terminal.h"

#include <QtCore/QJsonDocument>
#include <QtCore/QTextStream>

namespace {
constexpr int kWideBar = 20;
constexpr int kNarrowestBar = 5;
}

JobOutput::JobOutput(QTextStream &out, bool json)
    : m_out(out), m_json(json), m_interactive(!json && Terminal::is_interactive_output())
{
}

void JobOutput::event(const QString &name, const QJsonObject &fields, const QString &text)
{
    if (m_json) {
        QJsonObject object{{QStringLiteral("event"), name}};
        for (auto it = fields.begin(); it != fields.end(); ++it)
            object.insert(it.key(), it.value());
        m_out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
    } else if (!text.isEmpty()) {
        if (m_bar_open)
            m_out << "\r\033[K";
        m_bar_open = false;
        m_out << text << '\n';
        m_last.clear();
    }
    m_out.flush();
}

void JobOutput::progress(const JobProgress &progress)
{
    const int copy = qMin(progress.copies_done() + 1, progress.copies());
    const QString figures = QStringLiteral("%1%  page %2/%3  copy %4/%5")
                                .arg(progress.percent(), 3)
                                .arg(progress.page())
                                .arg(progress.pages())
                                .arg(copy)
                                .arg(progress.copies());
    const QString machine = QStringLiteral("  (machine %1%)").arg(progress.machine_percent());
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
    if (m_interactive) {
        m_out << "\r\033[K" << bar_line(progress.percent(), figures, machine);
        m_bar_open = true;
    } else {
        m_out << "progress " << figures << machine << '\n';
    }
    m_out.flush();
}

// One row shorter than the terminal, or the carriage return would redraw
// only the wrapped end of it.
QString JobOutput::bar_line(int percent, const QString &figures, const QString &machine) const
{
    const int columns = Terminal::columns();
    QString text = QLatin1Char(' ') + figures;
    if (kWideBar + 2 + text.size() + machine.size() < columns)
        text += machine;
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

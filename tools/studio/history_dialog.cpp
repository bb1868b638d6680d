#include "history_dialog.h"

#include "studio_text_p.h"
#include "trace_dialog.h"

#include <QtCore/QAbstractTableModel>
#include <QtCore/QFileInfo>
#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableView>

namespace {

// How far back the history opens.
constexpr int kDaysShown = 30;

QString duration_text(qint64 ms)
{
    if (ms < 0)
        return QString();
    const qint64 s = ms / 1000;
    return QStringLiteral("%1:%2:%3").arg(s / 3600).arg(s / 60 % 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'));
}

class HistoryModel : public QAbstractTableModel
{
public:
    HistoryModel(const QVector<JobEntry> *entries, QObject *parent) : QAbstractTableModel(parent), m_entries(entries) {}

    void reset()
    {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : m_entries->size(); }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : 7; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_entries->size() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
            return QVariant();
        const JobEntry &entry = m_entries->at(index.row());
        switch (index.column()) {
        case 0: return entry.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        case 1: return role == Qt::ToolTipRole ? entry.file : QFileInfo(entry.file).fileName();
        case 2: return entry.machine;
        case 3: return StudioText::tr("%1 of %2").arg(entry.copies_finished).arg(entry.copies_ordered);
        case 4: return JobHistory::outcome_text(entry.outcome);
        case 5: return duration_text(entry.duration_ms);
        case 6: return entry.trace;
        }
        return QVariant();
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const char *const titles[] = {
            QT_TRANSLATE_NOOP("vxstudio", "Started"),  QT_TRANSLATE_NOOP("vxstudio", "File"),
            QT_TRANSLATE_NOOP("vxstudio", "Machine"),  QT_TRANSLATE_NOOP("vxstudio", "Copies"),
            QT_TRANSLATE_NOOP("vxstudio", "Outcome"),  QT_TRANSLATE_NOOP("vxstudio", "Duration"),
            QT_TRANSLATE_NOOP("vxstudio", "Trace")};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 7)
            return StudioText::tr(titles[section]);
        return QVariant();
    }

private:
    const QVector<JobEntry> *m_entries;
};

} // namespace

HistoryDialog::HistoryDialog(JobHistory *history, VXDeviceInterface *root, QWidget *parent)
    : QDialog(parent), m_history(history), m_root(root), m_from(new QDateEdit), m_to(new QDateEdit),
      m_file(new QLineEdit), m_view(new QTableView), m_trace(new QPushButton(StudioText::tr("Open trace"))),
      m_status(new QLabel)
{
    setWindowTitle(StudioText::tr("Job history"));
    for (QDateEdit *edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }
    m_from->setDate(QDate::currentDate().addDays(-kDaysShown));
    m_to->setDate(QDate::currentDate());
    m_file->setPlaceholderText(StudioText::tr("part of the file's name"));
    m_file->setClearButtonEnabled(true);
    m_view->setModel(new HistoryModel(&m_entries, this));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_status->setWordWrap(true);

    auto *filter = new QHBoxLayout;
    filter->addWidget(new QLabel(StudioText::tr("From")));
    filter->addWidget(m_from);
    filter->addWidget(new QLabel(StudioText::tr("to")));
    filter->addWidget(m_to);
    filter->addWidget(new QLabel(StudioText::tr("File")));
    filter->addWidget(m_file, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton *csv = buttons->addButton(StudioText::tr("Export CSV…"), QDialogButtonBox::ActionRole);
    buttons->addButton(m_trace, QDialogButtonBox::ActionRole);
    m_trace->setEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filter);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);

    connect(m_from, &QDateEdit::dateChanged, this, &HistoryDialog::refresh);
    connect(m_to, &QDateEdit::dateChanged, this, &HistoryDialog::refresh);
    connect(m_file, &QLineEdit::textChanged, this, &HistoryDialog::refresh);
    connect(csv, &QPushButton::clicked, this, &HistoryDialog::choose_and_export);
    connect(m_trace, &QPushButton::clicked, this, &HistoryDialog::open_trace);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const JobEntry *entry = selected();
        m_trace->setEnabled(entry && !entry->trace.isEmpty());
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(900, 480);
    refresh();
}

void HistoryDialog::set_filter(const QDate &from, const QDate &to, const QString &file_contains)
{
    const QSignalBlocker from_blocker(m_from), to_blocker(m_to), file_blocker(m_file);
    m_from->setDate(from);
    m_to->setDate(to);
    m_file->setText(file_contains);
    refresh();
}

void HistoryDialog::refresh()
{
    m_entries = m_history->find(m_from->date(), m_to->date(), m_file->text());
    static_cast<HistoryModel *>(m_view->model())->reset();
    m_trace->setEnabled(false);
    if (!m_history->error().isEmpty())
        m_status->setText(m_history->error());
    else if (m_entries.size() == JobHistory::kMaxFound)
        m_status->setText(StudioText::tr("The newest %1 jobs are shown; narrow the days to see older ones.")
                              .arg(JobHistory::kMaxFound));
    else
        m_status->setText(StudioText::tr("%n job(s).", nullptr, m_entries.size()));
}

QAbstractItemModel *HistoryDialog::model() const
{
    return m_view->model();
}

QString HistoryDialog::status_text() const
{
    return m_status->text();
}

const JobEntry *HistoryDialog::selected() const
{
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    return rows.isEmpty() || rows.first().row() >= m_entries.size() ? nullptr : &m_entries.at(rows.first().row());
}

bool HistoryDialog::export_csv(const QString &path)
{
    QString error;
    if (!JobHistory::export_csv(path, m_entries, &error)) {
        m_status->setText(error);
        return false;
    }
    m_status->setText(StudioText::tr("%n job(s) exported to %1.", nullptr, m_entries.size()).arg(path));
    return true;
}

void HistoryDialog::choose_and_export()
{
    const QString path = QFileDialog::getSaveFileName(this, StudioText::tr("Export the shown jobs"),
                                                      QStringLiteral("jobs.csv"),
                                                      StudioText::tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        export_csv(path);
}

void HistoryDialog::open_trace()
{
    const JobEntry *entry = selected();
    if (!entry || entry->trace.isEmpty())
        return;
    auto *dialog = new TraceDialog(m_root, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->load(entry->trace);
    dialog->show();
}

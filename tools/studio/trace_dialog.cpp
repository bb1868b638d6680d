#include "trace_dialog.h"

#include "studio_text_p.h"
#include "trace_table.h"

#include <QtCore/QAbstractTableModel>
#include <QtCore/QVector>
#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableView>

namespace {

class TraceModel : public QAbstractTableModel
{
public:
    explicit TraceModel(QObject *parent) : QAbstractTableModel(parent), m_titles(TraceTable::column_titles()) {}

    void set_rows(QVector<TraceTableRow> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }

    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : m_rows.size(); }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : m_titles.size(); }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_rows.size())
            return QVariant();
        const TraceTableRow &row = m_rows.at(index.row());
        const QString *cells[] = {&row.time, &row.direction, &row.frame, &row.code, &row.items, &row.what};
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return *cells[index.column()];
        if (role == Qt::TextAlignmentRole && (index.column() == 0 || index.column() == 3))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_titles.size())
            return m_titles.at(section);
        return QVariant();
    }

private:
    QStringList m_titles;
    QVector<TraceTableRow> m_rows;
};

} // namespace

TraceDialog::TraceDialog(VXDeviceInterface *root, QWidget *parent)
    : QDialog(parent), m_root(root), m_view(new QTableView), m_status(new QLabel)
{
    setWindowTitle(StudioText::tr("Trace"));
    m_view->setModel(new TraceModel(this));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_view, 1);
    layout->addWidget(buttons);
    resize(900, 500);
}

bool TraceDialog::load(const QString &path)
{
    auto *model = static_cast<TraceModel *>(m_view->model());
    setWindowTitle(StudioText::tr("Trace %1").arg(path));
    TraceRows rows;
    if (!rows.open(path)) {
        model->set_rows({});
        m_status->setText(rows.error());
        return false;
    }
    TraceTable table(m_root);
    QVector<TraceTableRow> shown;
    TraceRow row;
    bool cut = false;
    while (rows.next(&row)) {
        if (shown.size() == kMaxRows) {
            cut = true;
            break;
        }
        shown << table.row(row);
    }
    model->set_rows(std::move(shown));
    m_view->resizeColumnsToContents();
    QStringList lines{TraceTable::header_text(rows.header())};
    if (cut)
        lines << StudioText::tr("Only the first %1 rows are shown; see the rest with vxctl trace show.").arg(kMaxRows);
    else if (!rows.error().isEmpty())
        lines << StudioText::tr("The trace breaks off: %1").arg(rows.error());
    else if (!rows.warning().isEmpty())
        lines << StudioText::tr("Warning: %1").arg(rows.warning());
    m_status->setText(lines.join(QLatin1Char('\n')));
    return cut || rows.error().isEmpty();
}

QAbstractItemModel *TraceDialog::model() const
{
    return m_view->model();
}

QString TraceDialog::status_text() const
{
    return m_status->text();
}

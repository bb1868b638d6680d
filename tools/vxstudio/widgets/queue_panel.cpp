#include "queue_panel.h"

#include "session.h"

#include <QtCore/QFileInfo>
#include <QtCore/QTimer>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QVBoxLayout>

namespace {
enum Role { PathRole = Qt::UserRole, CopiesRole, StateRole };
enum State { Waiting, Cutting, Done, Halted };
}

QueuePanel::QueuePanel(Session &session, QWidget *parent)
    : QWidget(parent), m_session(session)
{
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("queue_list"));
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_copies = new QSpinBox;
    m_copies->setRange(1, kMostCopies);
    m_copies->setObjectName(QStringLiteral("queue_copies"));
    m_add = new QPushButton(tr("&Add..."));
    m_remove = new QPushButton(tr("Re&move"));
    m_run = new QPushButton(tr("Run &queue"));
    m_run->setObjectName(QStringLiteral("run_queue"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addWidget(new QLabel(tr("Copies:")));
    buttons->addWidget(m_copies);
    buttons->addStretch();
    buttons->addWidget(m_run);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("queue_status"));
    m_status->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_status);
    layout->addLayout(buttons);

    connect(m_add, &QPushButton::clicked, this, [this] {
        const QStringList files = QFileDialog::getOpenFileNames(this, tr("Add to the queue"), QString(),
                                                                tr("Designs (*.plt *.hpgl *.svg);;All files (*)"));
        for (const QString &file : files)
            add(file, m_copies->value());
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        if (QListWidgetItem *item = m_list->currentItem(); item && item != m_current)
            delete item;
        update_buttons();
    });
    connect(m_run, &QPushButton::clicked, this, &QueuePanel::run);
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)
            m_copies->setValue(item->data(CopiesRole).toInt());
        update_buttons();
    });
    connect(m_copies, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int copies) {
        QListWidgetItem *item = m_list->currentItem();
        if (item && item->data(StateRole).toInt() == Waiting) {
            item->setData(CopiesRole, copies);
            show_item(item);
        }
    });
    connect(&m_session, &Session::job_ended, this, &QueuePanel::on_job_ended);
    connect(&m_session, &Session::job_not_started, this, [this](const QString &why) {
        if (m_running)
            halt(why);
    });
    update_buttons();
}

void QueuePanel::add(const QString &path, int copies)
{
    auto *item = new QListWidgetItem(m_list);
    item->setData(PathRole, path);
    item->setData(CopiesRole, copies);
    item->setData(StateRole, Waiting);
    item->setToolTip(path);
    show_item(item);
    update_buttons();
}

QString QueuePanel::status_text() const
{
    return m_status->text();
}

int QueuePanel::count() const
{
    return m_list->count();
}

QString QueuePanel::file_at(int row) const
{
    const QListWidgetItem *item = m_list->item(row);
    return item ? item->data(PathRole).toString() : QString();
}

void QueuePanel::show_item(QListWidgetItem *item)
{
    const int copies = item->data(CopiesRole).toInt();
    const QString name = QFileInfo(item->data(PathRole).toString()).fileName();
    QString state;
    switch (item->data(StateRole).toInt()) {
    case Cutting: state = tr(" - cutting"); break;
    case Done: state = tr(" - finished"); break;
    case Halted: state = tr(" - ended early"); break;
    default: break;
    }
    item->setText(tr("%1 x %2%3").arg(name).arg(copies).arg(state));
}

void QueuePanel::update_buttons()
{
    m_run->setEnabled(!m_running && m_list->count() > 0 && m_session.job() == Session::Job::Idle);
    m_add->setEnabled(true);
    m_remove->setEnabled(m_list->currentItem() && m_list->currentItem() != m_current);
}

void QueuePanel::run()
{
    if (m_running || m_session.job() != Session::Job::Idle)
        return;
    for (int row = 0; row < m_list->count(); ++row) {
        m_list->item(row)->setData(StateRole, Waiting);
        show_item(m_list->item(row));
    }
    m_running = true;
    m_finished = 0;
    m_status->setStyleSheet(QString());
    m_status->setText(tr("running: the files are cut one after another"));
    emit running_changed(true);
    update_buttons();
    next();
}

// The first item not yet finished, in the list's order now.
void QueuePanel::next()
{
    m_current = nullptr;
    for (int row = 0; row < m_list->count() && !m_current; ++row) {
        if (m_list->item(row)->data(StateRole).toInt() == Waiting)
            m_current = m_list->item(row);
    }
    if (!m_current) {
        m_running = false;
        m_status->setText(tr("done: %n file(s) finished", nullptr, m_finished));
        emit running_changed(false);
        update_buttons();
        emit done(m_finished);
        return;
    }
    QString error;
    const QString path = m_current->data(PathRole).toString();
    if (!m_session.open(path, &error)) {
        halt(error);
        return;
    }
    m_current->setData(StateRole, Cutting);
    show_item(m_current);
    if (!m_session.start(m_current->data(CopiesRole).toInt()))
        halt(tr("%1 did not start").arg(path));
}

void QueuePanel::halt(const QString &why)
{
    if (m_current) {
        m_current->setData(StateRole, Halted);
        show_item(m_current);
    }
    const QString name = m_current ? QFileInfo(m_current->data(PathRole).toString()).fileName() : QString();
    m_current = nullptr;
    m_running = false;
    const QString text = tr("queue halted at %1: %2").arg(name, why);
    m_status->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    m_status->setText(text);
    emit running_changed(false);
    update_buttons();
    emit halted(text);
}

void QueuePanel::on_job_ended(JobOutcome outcome, const QString &text)
{
    if (!m_running || !m_current) {
        update_buttons();
        return;
    }
    if (outcome != JobOutcome::Finished) {
        halt(text.section(QLatin1Char('\n'), 0, 1).replace(QLatin1Char('\n'), QStringLiteral("; ")));
        return;
    }
    ++m_finished;
    m_current->setData(StateRole, Done);
    show_item(m_current);
    // From the event loop: the job that ended is still unwinding.
    QTimer::singleShot(0, this, &QueuePanel::next);
}

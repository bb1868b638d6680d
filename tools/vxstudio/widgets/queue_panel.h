#pragma once

#include "job_watch.h"

#include <QtWidgets/QWidget>

class QListWidget;
class QLabel;
class QListWidgetItem;
class QPushButton;
class QSpinBox;
class Session;

// The queue: files (plotter text or SVG) with copies each, in the order
// dragged to, run one after another; it halts on any end but finished and
// says why.
class QueuePanel : public QWidget
{
    Q_OBJECT
public:
    explicit QueuePanel(Session &session, QWidget *parent = nullptr);

    void add(const QString &path, int copies);
    int count() const;
    QString file_at(int row) const;
    bool running() const { return m_running; }
    QListWidget *list() const { return m_list; }
    QString status_text() const;
    void run();

signals:
    void running_changed(bool running);
    void halted(const QString &why);
    void done(int jobs);

private:
    void next();
    void halt(const QString &why);
    void on_job_ended(JobOutcome outcome, const QString &text);
    void show_item(QListWidgetItem *item);
    void update_buttons();

    Session &m_session;
    QListWidget *m_list;
    QSpinBox *m_copies;
    QLabel *m_status; // why the queue halted, or that it is done
    QPushButton *m_add, *m_remove, *m_run;
    QListWidgetItem *m_current = nullptr;
    bool m_running = false;
    int m_finished = 0;
};

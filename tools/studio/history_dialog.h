#pragma once

#include "job_history.h"

#include <QtWidgets/QDialog>

class QAbstractItemModel;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class VXDeviceInterface;

// The job history as a table, newest first, filtered by the day a job
// started and by text in its file's name; the shown rows exported as CSV,
// and the trace of a row that has one opened in a TraceDialog. The history
// and root must outlive the dialog.
class HistoryDialog : public QDialog
{
    Q_OBJECT

public:
    // root: the plugin's device, for the traces' setting names; may be null.
    explicit HistoryDialog(JobHistory *history, VXDeviceInterface *root = nullptr, QWidget *parent = nullptr);

    // Reads the rows again with the filter as it is.
    void refresh();
    void set_filter(const QDate &from, const QDate &to, const QString &file_contains);
    QAbstractItemModel *model() const;
    const QVector<JobEntry> &shown() const { return m_entries; }
    // Writes the shown rows; the status line says whether it was done.
    bool export_csv(const QString &path);
    QString status_text() const;

private:
    void choose_and_export();
    void open_trace();
    const JobEntry *selected() const;

    JobHistory *m_history;
    VXDeviceInterface *m_root;
    QVector<JobEntry> m_entries;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QLineEdit *m_file;
    QTableView *m_view;
    QPushButton *m_trace;
    QLabel *m_status;
};

#pragma once

#include <QtWidgets/QDialog>

class QAbstractItemModel;
class QLabel;
class QTableView;
class VXDeviceInterface;

// A trace file as vxctl trace show shows it: one row per frame, link
// event and message, with what the plugin made of each.
class TraceDialog : public QDialog
{
    Q_OBJECT

public:
    // Rows shown at most; a longer trace is said to be cut there.
    static constexpr int kMaxRows = 100000;

    // root: the plugin's device (or its root object), for the settings'
    // names; null names none.
    explicit TraceDialog(VXDeviceInterface *root, QWidget *parent = nullptr);

    // Reads the trace into the table; false when it cannot be read from
    // the start or breaks off at a line that is no trace's (the rows
    // before it are shown). status_text() says which.
    bool load(const QString &path);
    QAbstractItemModel *model() const;
    // The trace's header line, then what broke it off or was left out.
    QString status_text() const;

private:
    VXDeviceInterface *m_root;
    QTableView *m_view;
    QLabel *m_status;
};

#pragma once

#include <QtWidgets/QWidget>

class QLabel;
class Session;

// Beside the sheet: the design's figures and where the job stands as the
// machine reported it (copies, the page in flight, the share done), with
// the time cut, the time left and the expected finish.
class JobFigures : public QWidget
{
    Q_OBJECT
public:
    explicit JobFigures(Session &session, QWidget *parent = nullptr);
    void refresh();
    QString copies_text() const;
    QString page_text() const;

private:
    Session &m_session;
    QLabel *m_design, *m_copies, *m_page, *m_percent, *m_elapsed, *m_remaining, *m_finish;
};

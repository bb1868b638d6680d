#pragma once

#include <QtCore/QObject>
#include <QtCore/QStringList>

class MainWindow;

// Takes the documentation's pictures of the window against the simulator
// (vxstudio --screenshots DIR DESIGN QUEUED...): the design opened, a job
// in progress, a stop the machine left unanswered, the queue halted by a
// stop on the machine. Each is the window grabbed into DIR/studio-*.png,
// but the desktop notification of the job's end: the screen, which needs
// a tray. Then the program quits, with status 1 when a step did not come.
class ScreenshotDriver : public QObject
{
    Q_OBJECT
public:
    ScreenshotDriver(MainWindow &window, const QString &directory, const QStringList &files);
    void run();

private:
    bool grab(const QString &name);
    bool grab_notification();
    bool use_faults(const QStringList &faults);

    MainWindow &m_window;
    QString m_directory;
    QStringList m_files;
};

#include "screenshot_driver.h"

#include "device_session.h"
#include "history_dialog.h"
#include "job_progress.h"
#include "main_window.h"
#include "session.h"
#include "widgets/practice_faults_menu.h"
#include "widgets/queue_panel.h"

#include <QtCore/QDir>
#include <QtCore/QSettings>
#include <QtGui/QPixmap>
#include <QtGui/QScreen>
#include <QAction> // QtWidgets in Qt 5, QtGui in Qt 6
#include <QtWidgets/QApplication>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QTabWidget>

#include <cstdio>

ScreenshotDriver::ScreenshotDriver(MainWindow &window, const QString &directory, const QStringList &files)
    : QObject(&window), m_window(window), m_directory(directory), m_files(files)
{
}

bool ScreenshotDriver::grab(const QString &name)
{
    QApplication::processEvents();
    const QString path = QDir(m_directory).filePath(QStringLiteral("studio-%1.png").arg(name));
    if (!m_window.grab().save(path)) {
        std::fprintf(stderr, "vxstudio: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The notification shown at the tray: the whole screen, where it lies
// outside the window.
bool ScreenshotDriver::grab_notification()
{
    QWidget *balloon = nullptr;
    const auto shown = [&balloon] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->inherits("QBalloonTip"))
                balloon = top;
        return balloon != nullptr;
    };
    if (!wait_for(shown, 5000)) {
        std::fprintf(stderr, "vxstudio: no desktop notification shown (is a system tray running?)\n");
        return false;
    }
    QApplication::processEvents();
    const QRect shot = m_window.frameGeometry() | balloon->frameGeometry();
    const QString path = QDir(m_directory).filePath(QStringLiteral("studio-notification.png"));
    if (!QGuiApplication::primaryScreen()->grabWindow(0, shot.x(), shot.y(), shot.width(), shot.height()).save(path)) {
        std::fprintf(stderr, "vxstudio: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The simulator restarted with these faults, at a speed that shows the cut.
bool ScreenshotDriver::use_faults(const QStringList &faults)
{
    QSettings settings;
    QVariantMap map{{QStringLiteral("speed"), QStringLiteral("1500")}, {QStringLiteral("progress-interval"), QStringLiteral("50")}};
    for (const QString &fault : faults)
        map.insert(fault.section(QLatin1Char('='), 0, 0), fault.section(QLatin1Char('='), 1));
    settings.setValue(QStringLiteral("machine/kind"), QStringLiteral("sim"));
    settings.setValue(QStringLiteral("machine/faults"), map);
    settings.sync();
    m_window.reload_machine();
    return m_window.connect_machine();
}

void ScreenshotDriver::run()
{
    Session &session = m_window.session();
    bool ok = m_files.size() >= 4 && use_faults({}) && m_window.open_file(m_files.first()) && grab(QStringLiteral("design"));

    // A job at about half way: grabbed from its own progress.
    bool grabbed = false;
    auto at_half = connect(&session, &Session::progress_changed, this, [&] {
        if (!grabbed && session.progress() && session.progress()->percent() >= 45) {
            grabbed = true;
            ok = grab(QStringLiteral("progress")) && ok;
        }
    });
    ok = ok && session.start(2) && wait_for([&] { return session.job() == Session::Job::Idle; }, 60000) && grabbed;
    disconnect(at_half);
    ok = ok && grab_notification();

    // A stop the machine leaves unanswered.
    bool stopped = false;
    auto stop_at = connect(&session, &Session::progress_changed, this, [&] {
        if (!stopped && session.progress() && session.progress()->percent() >= 30) {
            stopped = true;
            m_window.action(QStringLiteral("stop"))->trigger();
        }
    });
    ok = ok && use_faults({QStringLiteral("ignore-stop=")}) && session.start(1)
        && wait_for([&] { return session.job() == Session::Job::Idle; }, 60000)
        && session.outcome() == JobOutcome::StopUnconfirmed && grab(QStringLiteral("stop-unconfirmed"));
    disconnect(stop_at);

    // The queue, halted by the stop key pressed on the machine in its third file (the first two cut one page each).
    ok = ok && use_faults({QStringLiteral("machine-stop-after=3")});
    for (const QString &file : m_files.mid(1))
        m_window.queue()->add(file, 1);
    bool halted = false;
    connect(m_window.queue(), &QueuePanel::halted, this, [&] { halted = true; });
    if (ok) {
        m_window.queue()->run();
        ok = wait_for([&] { return halted || !m_window.queue()->running(); }, 60000) && halted
            && grab(QStringLiteral("queue"));
    }

    // Every job of this run in the history.
    m_window.action(QStringLiteral("history"))->trigger();
    auto *history = m_window.findChild<HistoryDialog *>();
    if (ok && history) {
        history->resize(1000, 360);
        QApplication::processEvents();
        const QString path = QDir(m_directory).filePath(QStringLiteral("studio-history.png"));
        ok = history->grab().save(path);
        std::printf("%s\n", qPrintable(path));
    } else {
        ok = false;
    }
    QApplication::exit(ok ? 0 : 1);
}

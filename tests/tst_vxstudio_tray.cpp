// The console's desktop notifications on an X server with a system tray
// (run by scripts/with-x-tray): a job's end shown at the tray, as Qt's
// own balloon where no notification service runs, and nothing shown once
// the operator switched them off.
#include "main_window.h"
#include "session.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QAction> // QtWidgets in Qt 5, QtGui in Qt 6
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QSystemTrayIcon>

Q_DECLARE_METATYPE(JobOutcome)

class tst_vxstudio_tray : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void job_end_notified_data();
    void job_end_notified();

private:
    QTemporaryDir m_home;
};

void tst_vxstudio_tray::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", m_home.filePath(QStringLiteral("state")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toLocal8Bit());
    QCoreApplication::setOrganizationName(QStringLiteral("vx-lt3050procam"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_vxstudio_tray"));
    qRegisterMetaType<JobOutcome>();
    QApplication::setWindowIcon(QIcon(QStringLiteral(VX_SOURCE_DIR "/tools/vxstudio/vxstudio.svg")));
    // The tray starts beside the test.
    QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 5000);
}

void tst_vxstudio_tray::job_end_notified_data()
{
    QTest::addColumn<bool>("enabled"); // View > Desktop notifications
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("on") << true << QStringList{"Job finished", "box.plt: finished: 1 of 1 copies"};
    QTest::newRow("off") << false << QStringList();
}

void tst_vxstudio_tray::job_end_notified()
{
    QFETCH(bool, enabled);
    QFETCH(QStringList, shown);
    MainWindow window(QStringLiteral(VX_PLUGIN_FILE));
    window.show();
    QAction *desktop = window.action(QStringLiteral("notifications"));
    if (desktop->isChecked() != enabled)
        desktop->trigger();
    Target simulator;
    simulator.simulator_arguments = QStringList{"--speed", "20000"};
    window.session().set_machine(simulator);
    QVERIFY(window.open_file(QStringLiteral(VX_SOURCE_DIR "/samples/box.plt")) && window.session().connect_machine());
    QSignalSpy ended(&window.session(), &Session::job_ended);
    QVERIFY(window.session().start(1));
    QVERIFY(ended.wait(15000));
    QStringList balloon;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->inherits("QBalloonTip")) {
            for (const QLabel *label : top->findChildren<QLabel *>())
                if (!label->text().isEmpty())
                    balloon << label->text();
            top->hide(); // not to be seen by the next row
        }
    }
    QCOMPARE(balloon, shown);
}

QTEST_MAIN(tst_vxstudio_tray)
#include "tst_vxstudio_tray.moc"

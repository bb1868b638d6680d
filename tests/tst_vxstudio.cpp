// The operator's console driven as a person does, on its real buttons and
// keys, through the built plugin against vxsim started with fault switches.
#include "history_dialog.h"
#include "job_history.h"
#include "job_progress.h"
#include "main_window.h"
#include "session.h"
#include "views/job_view.h"
#include "widgets/queue_panel.h"

#include <QtCore/QSettings>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QAction> // QtWidgets in Qt 5, QtGui in Qt 6
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QTreeWidget>

Q_DECLARE_METATYPE(JobOutcome)

namespace {
const int kJobMs = 15000;
// Or one the machine falls silent in: its silence limit, at least 10 s, then the stop's wait.
const int kSilentJobMs = 20000;
const QString kLabels = QStringLiteral(VX_SOURCE_DIR "/samples/labels-3-pages.plt");
const QString kBox = QStringLiteral(VX_SOURCE_DIR "/samples/box.plt");
const QString kShortPages = QStringLiteral(VX_SOURCE_DIR "/tests/data/three-short-pages.plt");

// The simulator the next window connects to: fast, reporting often, with these faults.
void use_faults(const QStringList &faults)
{
    QVariantMap map{{QStringLiteral("speed"), QStringLiteral("20000")},
                    {QStringLiteral("progress-interval"), QStringLiteral("10")}};
    for (const QString &fault : faults)
        map.insert(fault.section(QLatin1Char('='), 0, 0), fault.section(QLatin1Char('='), 1));
    QSettings settings;
    settings.setValue(QStringLiteral("machine/kind"), QStringLiteral("sim"));
    settings.setValue(QStringLiteral("machine/faults"), map);
}

// Of every fourth pixel, those drawn (colour invalid) or of that colour.
int confirmed_pixels(const QImage &image, const QColor &colour = QColor())
{
    int count = 0;
    for (int y = 0; y < image.height(); y += 2) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); x += 2)
            count += colour.isValid() ? line[x] == colour.rgb() : qAlpha(line[x]) > 0;
    }
    return count;
}

// A person's press of a control, from the event loop as a click comes.
// then: told at once after it, before the machine can have answered.
void press(MainWindow &window, const QString &how, const char *action, std::function<void()> then = {})
{
    QTimer::singleShot(0, &window, [&window, how, action, then] {
        if (how == QLatin1String("key")) {
            const QKeySequence key = window.action(QLatin1String(action))->shortcut();
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
            QTest::keyClick(&window, key[0].key(), key[0].keyboardModifiers());
#else
            QTest::keyClick(&window, Qt::Key(key[0] & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(key[0] & Qt::KeyboardModifierMask));
#endif
        } else {
            QTest::mouseClick(window.findChild<QToolButton *>(QStringLiteral("button_") + QLatin1String(action)),
                              Qt::LeftButton);
        }
        if (then)
            then();
    });
}

struct Window
{
    QScopedPointer<MainWindow> window;
    QSignalSpy *ended = nullptr;
    explicit Window(const QStringList &faults)
    {
        use_faults(faults);
        window.reset(new MainWindow(QStringLiteral(VX_PLUGIN_FILE)));
        window->session().set_stop_answer_ms(300);
        window->resize(900, 600);
        window->show();
        ended = new QSignalSpy(&window->session(), &Session::job_ended);
    }
    ~Window() { delete ended; }
    bool open_and_connect(const QString &file) { return window->open_file(file) && window->connect_machine(); }
};
} // namespace

class tst_vxstudio : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void job_data();
    void job();
    void resume_after_dropped_link();
    void queue_runs_in_order_and_halts();
    void qr_codes_logged();
    void zoom_and_pan();

private:
    QTemporaryDir m_home;
};

void tst_vxstudio::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", m_home.filePath(QStringLiteral("state")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toLocal8Bit()); // the job history
    QCoreApplication::setOrganizationName(QStringLiteral("vx-lt3050procam"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_vxstudio"));
    qRegisterMetaType<JobOutcome>();
}

void tst_vxstudio::job_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("how"); // the controls pressed: "click" or "key"
    QTest::addColumn<QString>("press"); // at the first progress report: "", "pause" or "stop"
    QTest::addColumn<JobOutcome>("outcome");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("resumable");
    QTest::addColumn<QString>("notified"); // the desktop notification's title
    QTest::addColumn<QString>("design");

    QTest::newRow("finished") << QStringList() << "click" << "" << JobOutcome::Finished << "finished" << false
                              << "Job finished" << kLabels;
    QTest::newRow("pause and resume, keys") << QStringList() << "key" << "pause" << JobOutcome::Finished
                                            << "finished" << false << "Job finished" << kLabels;
    QTest::newRow("pause and resume, buttons") << QStringList() << "click" << "pause" << JobOutcome::Finished
                                               << "finished" << false << "Job finished" << kLabels;
    QTest::newRow("stop confirmed") << QStringList{"speed=4000"} << "click" << "stop" << JobOutcome::UserStop
                                    << "stopped (the machine confirmed it)" << true << "" << kLabels;
    QTest::newRow("stop not confirmed") << QStringList{"ignore-stop=", "speed=4000"} << "key" << "stop"
                                        << JobOutcome::StopUnconfirmed
                                        << "stop not confirmed: the machine may still be cutting" << true
                                        << "Stop not confirmed" << kLabels;
    QTest::newRow("stop on the machine") << QStringList{"machine-stop-after=1", "speed=4000"} << "click" << ""
                                         << JobOutcome::MachineStop << "stopped on the machine" << true
                                         << "Stopped on the machine" << kLabels;
    // Short pages: the console's shortest silence limit, about 10 s.
    QTest::newRow("machine falls silent") << QStringList{"silent-after=1", "speed=100"} << "click" << ""
                                          << JobOutcome::StopUnconfirmed
                                          << "the machine stopped answering: it may still be cutting" << true
                                          << "The machine stopped answering" << kShortPages;
}

// Start to the end: the confirmed part drawn only grows, the pause is shown
// once the machine confirmed it, the stop as it was (or was not) answered.
void tst_vxstudio::job()
{
    QFETCH(QStringList, faults);
    QFETCH(QString, how);
    QFETCH(QString, press);
    QFETCH(JobOutcome, outcome);
    QFETCH(QString, shown);
    QFETCH(bool, resumable);
    QFETCH(QString, notified);
    QFETCH(QString, design);
    Window at(faults);
    MainWindow &window = *at.window;
    Session &session = window.session();
    QVERIFY2(at.open_and_connect(design), qPrintable(window.log_text()));
    QVERIFY(!window.action(QStringLiteral("pause"))->isEnabled());

    QVector<DesignPosition> drawn;
    int first_pixels = -1;
    bool pressed = false;
    QStringList paused_shown; // the job's state shown after the pause and resume
    int drawn_otherwise = 0; // reports after which the drawing is not what the machine confirmed
    connect(window.view(), &JobView::progress_shown, this, [&] {
        drawn.append(window.view()->confirmed());
        const JobProgress &progress = *session.progress();
        if (!progress.finished() && (drawn.last().page != progress.page() - 1 || drawn.last().share != progress.page_share()))
            ++drawn_otherwise;
        if (first_pixels < 0 && drawn.last().page + drawn.last().share > 0.0)
            first_pixels = confirmed_pixels(window.view()->confirmed_image());
        if (!pressed && !press.isEmpty() && session.progress()->percent() > 5) {
            pressed = true;
            ::press(window, how, press == QLatin1String("pause") ? "pause" : "stop",
                    [&] { paused_shown << (session.paused() ? QStringLiteral("paused unconfirmed") : window.job_text()); });
        }
    });
    connect(&session, &Session::paused_changed, this, [&](bool paused) {
        paused_shown << window.job_text();
        if (paused)
            ::press(window, how, "resume");
    });
    ::press(window, how, "start");
    QVERIFY(at.ended->wait(kSilentJobMs));
    QCOMPARE(at.ended->first().first().value<JobOutcome>(), outcome);
    QCOMPARE(window.job_text(), shown);
    QCOMPARE(window.statusBar()->currentMessage(), notified);
    JobHistory history;
    QString error;
    QVERIFY2(history.open(JobHistory::default_path(), &error), qPrintable(error));
    const QDate today = QDate::currentDate();
    QCOMPARE(history.find(today.addDays(-1), today.addDays(1), QString()).value(0).outcome, job_outcome_name(outcome));
    if (press == QLatin1String("pause")) {
        // Asked for, not yet confirmed; confirmed; resumed.
        QCOMPARE(paused_shown.size(), 3);
        QVERIFY2(paused_shown.first().startsWith(QLatin1String("cutting: ")), qPrintable(paused_shown.first()));
        QCOMPARE(paused_shown.at(1), QStringLiteral("paused (the machine confirmed it)"));
        QVERIFY2(paused_shown.last().startsWith(QLatin1String("cutting: ")), qPrintable(paused_shown.last()));
    }
    QVERIFY(drawn.size() > 2);
    QCOMPARE(drawn_otherwise, 0);
    for (int i = 1; i < drawn.size(); ++i) {
        const DesignPosition a = drawn.at(i - 1), b = drawn.at(i);
        // Only a copy closed starts the drawing again.
        QVERIFY2(b.page > a.page || (b.page == a.page && b.share >= a.share) || session.progress()->copies_done() > 0,
                 qPrintable(QStringLiteral("%1 %2 -> %3 %4").arg(a.page).arg(a.share).arg(b.page).arg(b.share)));
    }
    QVERIFY(first_pixels > 0);
    // A stop may come before the next report.
    const int last_pixels = confirmed_pixels(window.view()->confirmed_image());
    QVERIFY(outcome == JobOutcome::Finished ? last_pixels > first_pixels : last_pixels >= first_pixels);
    QCOMPARE(window.action(QStringLiteral("resume_job"))->isEnabled(), resumable);
    QVERIFY(window.action(QStringLiteral("start"))->isEnabled());
    QVERIFY(!window.action(QStringLiteral("stop"))->isEnabled());
}

// The link drops after the first page; Resume connects again and cuts the
// rest, the page in flight skipped, from the journal vxctl keeps too.
void tst_vxstudio::resume_after_dropped_link()
{
    Window at({QStringLiteral("drop-after=1")});
    MainWindow &window = *at.window;
    Session &session = window.session();
    QVERIFY(at.open_and_connect(kLabels));
    press(window, QStringLiteral("click"), "start");
    QVERIFY(at.ended->wait(kJobMs));
    QCOMPARE(at.ended->takeFirst().first().value<JobOutcome>(), JobOutcome::LinkLost);
    QCOMPARE(window.job_text(), QStringLiteral("link lost: whether the machine stopped is unknown"));
    QVERIFY(window.link_text().startsWith(QLatin1String("link lost")));
    const ResumePoint point = session.resume_point();
    QCOMPARE(point.kind, ResumePoint::Cut);
    QCOMPARE(point.from_page, session.progress()->page() + 1);

    // As a person would: the fault switched off, then Resume.
    window.findChild<QAction *>(QStringLiteral("fault_drop-after"))->trigger();
    QTRY_COMPARE(session.link(), Session::Link::Up);
    QSignalSpy started(&session, &Session::job_started);
    press(window, QStringLiteral("click"), "resume_job");
    QVERIFY(at.ended->wait(kJobMs));
    QCOMPARE(started.first().at(2).toInt(), point.from_page);
    QCOMPARE(at.ended->first().first().value<JobOutcome>(), JobOutcome::Finished);
    QCOMPARE(session.resume_point().kind, ResumePoint::NoJournal);
}

// Three files, run without the operator in the list's order as dragged; the stop key
// on the machine in the third halts the queue and the window says why.
void tst_vxstudio::queue_runs_in_order_and_halts()
{
    Window at({QStringLiteral("machine-stop-after=3")});
    MainWindow &window = *at.window;
    QVERIFY(window.connect_machine());
    QTemporaryDir files;
    const QStringList order{files.filePath("b.plt"), files.filePath("a.plt"), files.filePath("c.plt")};
    QVERIFY(QFile::copy(kBox, order.at(0)) && QFile::copy(kBox, order.at(1)) && QFile::copy(kLabels, order.at(2)));
    // Added c first, then dragged to the end.
    for (const QString &file : {order.at(2), order.at(0), order.at(1)})
        window.queue()->add(file, 1);
    QVERIFY(window.queue()->list()->model()->moveRow(QModelIndex(), 0, QModelIndex(), 3));
    QSignalSpy started(&window.session(), &Session::job_started);
    QSignalSpy halted(window.queue(), &QueuePanel::halted);
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("run_queue")), Qt::LeftButton);
    QVERIFY(halted.wait(kJobMs));
    QStringList cut;
    for (const QList<QVariant> &job : started)
        cut << job.first().toString();
    QCOMPARE(cut, order);
    QCOMPARE(at.ended->size(), 3);
    QVERIFY2(halted.first().first().toString().startsWith(QLatin1String("queue halted at c.plt: stopped after 0 of 1 copies")),
             qPrintable(halted.first().first().toString()));
    QVERIFY(halted.first().first().toString().contains(QLatin1String("the job was stopped on the machine")));
    QCOMPARE(window.queue()->status_text(), halted.first().first().toString());
    QVERIFY(window.log_text().contains(QLatin1String("Queue halted")));
    QVERIFY(!window.queue()->running());

    // The three jobs in the history, newest first, after the console started again.
    at.window.reset(new MainWindow(QStringLiteral(VX_PLUGIN_FILE)));
    at.window->action(QStringLiteral("history"))->trigger();
    auto *history = at.window->findChild<HistoryDialog *>();
    QVERIFY(history);
    QStringList rows;
    for (const JobEntry &entry : history->shown())
        rows << QStringLiteral("%1 %2 %3/%4").arg(QFileInfo(entry.file).fileName(), entry.outcome)
                    .arg(entry.copies_finished).arg(entry.copies_ordered);
    QCOMPARE(rows.mid(0, 3), QStringList({"c.plt machine_stop 0/1", "a.plt finished 1/1", "b.plt finished 1/1"}));
}

// Each code the machine reads is logged with the file cut for it, or why
// it was skipped; the skip limit ends the job with a stop. The sheet shows
// the code's file and the part the machine confirmed; between codes, none.
void tst_vxstudio::qr_codes_logged()
{
    Window at({});
    MainWindow &window = *at.window;
    Session &session = window.session();
    QVERIFY(window.open_file(kLabels)); // not what the codes cut
    QTemporaryDir cut_files;
    QVERIFY(QFile::copy(kBox, cut_files.filePath("A1.plt")));
    Target simulator;
    simulator.simulator_arguments = QStringList{"--qr-codes", "A1,B2", "--speed", "2000", "--progress-interval", "10"};
    session.set_machine(simulator);
    QVERIFY(session.connect_machine());
    int drawn_cut = 0, drawn_otherwise = 0;
    connect(window.view(), &JobView::progress_shown, this, [&] {
        const JobProgress &progress = *session.progress();
        const DesignPosition drawn = window.view()->confirmed();
        const DesignSheet &sheet = *window.view()->sheet();
        if (sheet.title != QLatin1String("A1.plt") || window.windowTitle() != QLatin1String("vxstudio - A1.plt")
            || sheet.pages.size() != progress.pages()
            || drawn.page != progress.page() - 1 || drawn.share != progress.page_share())
            ++drawn_otherwise;
        else if (drawn.share > 0.0 && confirmed_pixels(window.view()->confirmed_image()) > 0
                 && confirmed_pixels(window.view()->grab().toImage(), design_page_colour(0)) > 0) // the rest drawn
            ++drawn_cut;
    });
    QStringList between;
    connect(&session, &Session::qr_code, this, [&](const QString &code) {
        if (code == QLatin1String("B2"))
            between << QString::number(window.view()->sheet()->pages.size()) << window.job_text() << window.windowTitle();
    });
    QVERIFY(session.start_qr(cut_files.path(), false, 2, 1));
    QVERIFY(at.ended->wait(kJobMs));
    QVERIFY(drawn_cut > 0);
    QCOMPARE(drawn_otherwise, 0);
    QCOMPARE(between, QStringList({"0", "waiting for the machine to read a QR code: nothing is being cut",
                                   "vxstudio - no file being cut: waiting for the machine to read a QR code"}));
    QCOMPARE(at.ended->first().first().value<JobOutcome>(), JobOutcome::UserStop);
    QVERIFY(at.ended->first().at(1).toString().contains(QLatin1String("ended after 1 QR codes in a row without a usable cut file")));
    auto *log = window.findChild<QTreeWidget *>(QStringLiteral("qr_log"));
    QCOMPARE(log->topLevelItemCount(), 2);
    QCOMPARE(log->topLevelItem(0)->text(1), QStringLiteral("A1"));
    QCOMPARE(log->topLevelItem(0)->text(2), cut_files.filePath("A1.plt"));
    QCOMPARE(log->topLevelItem(0)->text(3), QString());
    QCOMPARE(log->topLevelItem(1)->text(1), QStringLiteral("B2"));
    QCOMPARE(log->topLevelItem(1)->text(2), QString());
    QCOMPARE(log->topLevelItem(1)->text(3), QStringLiteral("no cut file for it in %1").arg(cut_files.path()));
    QVERIFY(window.log_text().contains(QLatin1String("Unknown QR code: B2")));
    QCOMPARE(session.progress()->copies_done(), 1);
}

// The sheet as the operator looks closer: + zooms in (the image drawn
// larger), dragging moves it, 0 fits it again; wheel turns zoom too.
void tst_vxstudio::zoom_and_pan()
{
    Window at({});
    MainWindow &window = *at.window;
    QVERIFY(window.open_file(kLabels));
    JobView *view = window.view();
    const QSize fitted = view->confirmed_image().size();
    const QImage before = view->grab().toImage();
    QTest::keyClick(view, Qt::Key_Plus);
    QVERIFY(view->zoom() > 1.0);
    QVERIFY(view->confirmed_image().width() > fitted.width());
    const QImage zoomed = view->grab().toImage();
    QVERIFY(zoomed != before);
    const QPoint from = view->rect().center();
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, from + QPoint(120, 60), view->mapToGlobal(from + QPoint(120, 60)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, from + QPoint(120, 60));
    QVERIFY(view->grab().toImage() != zoomed);
    QTest::keyClick(view, Qt::Key_0);
    QCOMPARE(view->zoom(), 1.0);
    QCOMPARE(view->confirmed_image().size(), fitted);
    QWheelEvent wheel(QPointF(from), QPointF(view->mapToGlobal(from)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &wheel);
    QVERIFY(view->zoom() > 1.0);
}

QTEST_MAIN(tst_vxstudio)
#include "tst_vxstudio.moc"

#include "main_window.h"

#include "dialogs/machine_dialog.h"
#include "dialogs/qr_dialog.h"
#include "history_dialog.h"
#include "job_history.h"
#include "job_progress.h"
#include "job_recorder.h"
#include "material_presets.h"
#include "property_io.h"
#include "settings_dialog.h"
#include "test_cut.h"
#include "work_area.h"
#include "notifier.h"
#include "session.h"
#include "views/job_view.h"
#include "widgets/job_figures.h"
#include "widgets/practice_faults_menu.h"
#include "widgets/queue_panel.h"

#include <QtCore/QDateTime>
#include <QtCore/QFileInfo>
#include <QtCore/QSettings>
#include <QtCore/QStandardPaths>
#include <QtCore/QTimer>
#include <QtGui/QCloseEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QSplitter>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QStyle>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QToolBar>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>

namespace {
// How long after a report it is drawn, at most.
constexpr int kProgressShownMs = 40;
} // namespace

MainWindow::MainWindow(const QString &plugin, QWidget *parent)
    : QMainWindow(parent), m_session(new Session(this)), m_history(new JobHistory), m_presets(new MaterialPresets),
      m_recorder(new JobRecorder(*m_session, *m_history, this)), m_notifier(new Notifier(this))
{
    // First: loading the plugin installs the translations the labels use.
    QString plugin_error;
    const bool plugin_loaded = m_session->load_plugin(plugin, &plugin_error);
    setWindowTitle(tr("vxstudio"));
    QSettings settings;
    m_choice = MachineChoice::load(settings);
    m_view = new JobView;
    m_view->setObjectName(QStringLiteral("job_view"));
    m_figures = new JobFigures(*m_session);
    m_queue = new QueuePanel(*m_session);
    m_log = new QPlainTextEdit;
    m_log->setObjectName(QStringLiteral("log"));
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(5000);
    m_qr_log = new QTreeWidget;
    m_qr_log->setObjectName(QStringLiteral("qr_log"));
    m_qr_log->setHeaderLabels({tr("Time"), tr("QR code"), tr("File cut"), tr("Skipped because")});
    m_qr_log->setRootIsDecorated(false);
    m_link_label = new QLabel;
    m_link_label->setObjectName(QStringLiteral("link_state"));
    m_job_label = new QLabel;
    m_job_label->setObjectName(QStringLiteral("job_state"));
    m_job_label->setWordWrap(true);
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, m_figures, &JobFigures::refresh);

    build_actions();
    build_menus();

    auto *side = new QWidget;
    auto *side_layout = new QVBoxLayout(side);
    side_layout->addWidget(build_controls());
    side_layout->addWidget(m_figures);
    side_layout->addWidget(m_job_label);
    side_layout->addStretch();
    auto *top = new QSplitter(Qt::Horizontal);
    top->addWidget(m_view);
    top->addWidget(side);
    top->setStretchFactor(0, 3);
    top->setStretchFactor(1, 1);
    m_tabs = new QTabWidget;
    m_tabs->addTab(m_log, tr("&Log"));
    m_tabs->addTab(m_queue, tr("&Queue"));
    m_tabs->addTab(m_qr_log, tr("QR &codes"));
    auto *main = new QSplitter(Qt::Vertical);
    main->addWidget(top);
    main->addWidget(m_tabs);
    main->setStretchFactor(0, 3);
    main->setStretchFactor(1, 1);
    setCentralWidget(main);
    statusBar()->addPermanentWidget(m_link_label);

    connect(m_session, &Session::log, this, &MainWindow::note);
    QString history_error;
    if (!m_history->open(JobHistory::default_path(), &history_error))
        note(tr("no job history this time: %1").arg(history_error));
    connect(m_recorder, &JobRecorder::failed, this, &MainWindow::note);
    connect(m_session, &Session::link_changed, this, &MainWindow::show_link);
    connect(m_session, &Session::design_changed, this, [this] {
        m_view->set_sheet(&m_session->sheet());
        show_title();
        m_figures->refresh();
        update_actions();
    });
    connect(m_session, &Session::job_started, this, [this](const QString &file, int copies, int from_page) {
        note(from_page > 1 ? tr("job %1: %2, the first from page %3, on %4").arg(file, copies_text(copies)).arg(from_page)
                                 .arg(m_session->machine_text())
                           : tr("job %1: %2 on %3").arg(file, copies_text(copies), m_session->machine_text()));
        if (m_view->sheet() != &m_session->cut_sheet())
            m_view->set_sheet(&m_session->cut_sheet());
        show_title();
        m_view->show_progress(nullptr);
        m_clock->start();
        show_job();
        update_actions();
    });
    // Drawn a moment after a report, the reports meanwhile together: the
    // plugin sends the next page from the event loop, and a window drawn at
    // every report would hold pages back (2.5 times the turnaround on
    // loopback). The moment is short next to any page's cut.
    m_progress_shown = new QTimer(this);
    m_progress_shown->setSingleShot(true);
    m_progress_shown->setInterval(kProgressShownMs);
    connect(m_progress_shown, &QTimer::timeout, this, &MainWindow::show_progress);
    connect(m_session, &Session::progress_changed, this, [this] {
        if (!m_progress_shown->isActive())
            m_progress_shown->start();
    });
    connect(m_session, &Session::paused_changed, this, [this](bool paused) {
        note(paused ? tr("paused: the machine confirmed it") : tr("resumed: the machine confirmed it"));
        show_job();
        update_actions();
    });
    connect(m_session, &Session::stopping, this, [this](const QString &text) {
        note(text);
        show_job();
        update_actions();
    });
    connect(m_session, &Session::cut_file_changed, this, [this] {
        m_view->set_sheet(&m_session->cut_sheet());
        show_title();
        m_figures->refresh();
        show_job();
    });
    connect(m_session, &Session::job_ended, this, &MainWindow::on_job_ended);
    connect(m_session, &Session::job_not_started, this, [this](const QString &why) {
        note(why);
        show_job();
        update_actions();
        if (m_close_when_idle)
            QTimer::singleShot(0, this, &QWidget::close);
    });
    connect(m_session, &Session::qr_code, this, &MainWindow::on_qr_code);
    connect(m_notifier, &Notifier::noted, this, [this](const QString &title, const QString &text) {
        note(QStringLiteral("%1: %2").arg(title, text));
        statusBar()->showMessage(title, 10000);
    });
    connect(m_queue, &QueuePanel::running_changed, this, &MainWindow::update_actions);
    connect(m_queue, &QueuePanel::halted, this, [this](const QString &why) {
        m_tabs->setCurrentWidget(m_queue);
        m_notifier->notify(tr("Queue halted"), why);
    });
    connect(m_queue, &QueuePanel::done, this, [this](int jobs) {
        m_notifier->notify(tr("Queue done"), tr("%n job(s) finished", nullptr, jobs));
    });

    if (!plugin_loaded)
        note(tr("the plugin did not load: %1").arg(plugin_error));
    apply_machine();
    show_link();
    show_job();
    update_actions();
    resize(1200, 800);
}

MainWindow::~MainWindow() = default;

void MainWindow::build_actions()
{
    QStyle *look = style();
    auto add = [this](const char *name, const QString &text, std::initializer_list<QKeySequence> keys,
                      const QIcon &icon, auto slot) {
        auto *action = new QAction(icon, text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(QList<QKeySequence>(keys));
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        m_actions.insert(QLatin1String(name), action);
        return action;
    };
    add("open", tr("&Open..."), {QKeySequence::Open}, look->standardIcon(QStyle::SP_DialogOpenButton),
        [this] { open_dialog(); });
    add("quit", tr("&Quit"), {QKeySequence::Quit}, QIcon(), [this] { close(); });
    add("start", tr("&Start"), {Qt::Key_F5, Qt::CTRL | Qt::Key_R}, look->standardIcon(QStyle::SP_MediaPlay),
        [this] {
            m_session->start(m_copies->value());
            update_actions();
        });
    add("pause", tr("&Pause"), {Qt::Key_Space}, look->standardIcon(QStyle::SP_MediaPause), [this] { m_session->pause(); });
    add("resume", tr("Res&ume"), {Qt::Key_Space}, look->standardIcon(QStyle::SP_MediaSeekForward),
        [this] { m_session->resume_cutting(); });
    add("stop", tr("S&top"), {Qt::Key_Escape}, look->standardIcon(QStyle::SP_MediaStop), [this] { m_session->stop(); });
    add("resume_job", tr("Resume the &rest"), {}, look->standardIcon(QStyle::SP_MediaSkipForward),
        [this] { m_session->resume(false); });
    add("redo_page", tr("Resume and re&do the page in flight"), {}, look->standardIcon(QStyle::SP_BrowserReload),
        [this] { m_session->resume(true); });
    add("qr_job", tr("&QR-code job..."), {}, QIcon(), [this] { qr_dialog(); });
    add("add_to_queue", tr("&Add to the queue..."), {}, QIcon(), [this] {
        const QStringList files = QFileDialog::getOpenFileNames(this, tr("Add to the queue"), QString(),
                                                                tr("Designs (*.plt *.hpgl *.svg);;All files (*)"));
        for (const QString &file : files)
            m_queue->add(file, m_copies->value());
        m_tabs->setCurrentWidget(m_queue);
    });
    add("run_queue", tr("Run the &queue"), {}, QIcon(), [this] { m_queue->run(); });
    add("connect", tr("&Connect"), {}, QIcon(), [this] { connect_machine(); });
    add("disconnect", tr("&Disconnect"), {}, QIcon(), [this] { m_session->disconnect_machine(); });
    add("choose_machine", tr("&Machine..."), {}, QIcon(), [this] { choose_machine(); });
    add("zoom_in", tr("Zoom &in"), {QKeySequence::ZoomIn}, QIcon(), [this] { m_view->zoom_by(1.25); });
    add("zoom_out", tr("Zoom &out"), {QKeySequence::ZoomOut}, QIcon(), [this] { m_view->zoom_by(0.8); });
    add("fit", tr("&Fit the sheet"), {Qt::CTRL | Qt::Key_0}, QIcon(), [this] { m_view->fit(); });
    QAction *notify = add("notifications", tr("&Desktop notifications"), {}, QIcon(),
                          [this](bool on) { m_notifier->set_desktop_enabled(on); });
    notify->setCheckable(true);
    notify->setChecked(m_notifier->desktop_enabled());
    add("history", tr("&History..."), {Qt::CTRL | Qt::Key_H}, QIcon(), [this] { history_dialog(); });
    add("settings", tr("S&ettings..."), {}, QIcon(), [this] { settings_dialog(); });
    add("test_cut", tr("&Test cut..."), {}, QIcon(), [this] { test_cut(); });
    add("about", tr("&About vxstudio"), {}, QIcon(), [this] {
        QMessageBox::about(this, tr("About vxstudio"),
                           tr("vxstudio %1: the operator's console of the VX-LT3050PROCam cutter.")
                               .arg(QApplication::applicationVersion()));
    });
}

QAction *MainWindow::action(const QString &name) const
{
    return m_actions.value(name);
}

void MainWindow::build_menus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(action(QStringLiteral("open")));
    file->addAction(action(QStringLiteral("add_to_queue")));
    file->addSeparator();
    file->addAction(action(QStringLiteral("quit")));
    QMenu *job = menuBar()->addMenu(tr("&Job"));
    for (const char *name : {"start", "pause", "resume", "stop"})
        job->addAction(action(QLatin1String(name)));
    job->addSeparator();
    job->addAction(action(QStringLiteral("resume_job")));
    job->addAction(action(QStringLiteral("redo_page")));
    job->addSeparator();
    job->addAction(action(QStringLiteral("qr_job")));
    job->addAction(action(QStringLiteral("run_queue")));
    job->addSeparator();
    job->addAction(action(QStringLiteral("history")));
    QMenu *machine = menuBar()->addMenu(tr("&Machine"));
    machine->addAction(action(QStringLiteral("connect")));
    machine->addAction(action(QStringLiteral("disconnect")));
    machine->addAction(action(QStringLiteral("choose_machine")));
    m_faults = new PracticeFaultsMenu(this);
    m_faults->set_faults(m_choice.faults);
    connect(m_faults, &PracticeFaultsMenu::changed, this, &MainWindow::faults_changed);
    machine->addMenu(m_faults);
    machine->addSeparator();
    machine->addAction(action(QStringLiteral("settings")));
    machine->addAction(action(QStringLiteral("test_cut")));
    QMenu *view = menuBar()->addMenu(tr("&View"));
    for (const char *name : {"zoom_in", "zoom_out", "fit"})
        view->addAction(action(QLatin1String(name)));
    view->addSeparator();
    view->addAction(action(QStringLiteral("notifications")));
    menuBar()->addMenu(tr("&Help"))->addAction(action(QStringLiteral("about")));

    QToolBar *tools = addToolBar(tr("Job"));
    tools->setObjectName(QStringLiteral("job_toolbar"));
    for (const char *name : {"open", "start", "pause", "resume", "stop", "resume_job"})
        tools->addAction(action(QLatin1String(name)));
}

// Buttons beside the sheet: each one the toolbar's action.
QWidget *MainWindow::build_controls()
{
    auto *box = new QGroupBox(tr("Job"));
    auto *grid = new QGridLayout(box);
    m_copies = new QSpinBox;
    m_copies->setObjectName(QStringLiteral("copies"));
    m_copies->setRange(1, kMostCopies);
    grid->addWidget(new QLabel(tr("Copies:")), 0, 0);
    grid->addWidget(m_copies, 0, 1);
    int at = 2;
    for (const char *name : {"start", "pause", "resume", "stop", "resume_job", "redo_page"}) {
        auto *button = new QToolButton;
        button->setObjectName(QStringLiteral("button_") + QLatin1String(name));
        button->setDefaultAction(action(QLatin1String(name)));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        grid->addWidget(button, at / 2, at % 2);
        ++at;
    }
    return box;
}

bool MainWindow::open_file(const QString &path)
{
    QString error;
    if (!m_session->open(path, &error)) {
        note(tr("cannot open: %1").arg(error));
        return false;
    }
    const ResumePoint point = m_session->resume_point();
    note(tr("opened %1: %n page(s)", nullptr, m_session->stats().pages).arg(path));
    if (point.kind == ResumePoint::Cut)
        note(tr("an interrupted job of this design can be resumed from page %1 (%2 left)")
                 .arg(point.from_page).arg(copies_text(point.copies)));
    return true;
}

void MainWindow::open_dialog()
{
    QSettings settings;
    const QString path = QFileDialog::getOpenFileName(this, tr("Open a design"),
                                                      settings.value(QStringLiteral("last_folder")).toString(),
                                                      tr("Designs (*.plt *.hpgl *.svg);;All files (*)"));
    if (path.isEmpty())
        return;
    settings.setValue(QStringLiteral("last_folder"), QFileInfo(path).absolutePath());
    open_file(path);
}

void MainWindow::qr_dialog()
{
    QrDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_qr_log->clear();
    m_tabs->setCurrentWidget(m_qr_log);
    m_session->start_qr(dialog.source(), dialog.is_map(), dialog.copies(), dialog.max_skips());
}

void MainWindow::apply_machine()
{
    Target target;
    if (!m_choice.target(&target)) {
        note(tr("the machine chosen (%1) cannot be used: the simulator is used").arg(m_choice.describe()));
        MachineChoice simulator;
        simulator.faults = m_choice.faults;
        simulator.target(&target);
    }
    m_session->set_machine(target);
}

bool MainWindow::connect_machine()
{
    apply_machine();
    const bool up = m_session->connect_machine();
    if (up && m_session->machine().kind == Target::Simulator && !m_session->machine().simulator_arguments.isEmpty())
        note(tr("the simulator runs with %1").arg(m_session->machine().simulator_arguments.join(QLatin1Char(' '))));
    update_actions();
    return up;
}

void MainWindow::reload_machine()
{
    QSettings settings;
    m_choice = MachineChoice::load(settings);
    m_faults->set_faults(m_choice.faults);
}

void MainWindow::choose_machine()
{
    MachineDialog dialog(m_choice, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_choice = dialog.choice();
    QSettings settings;
    m_choice.save(settings);
    note(tr("machine: %1").arg(m_choice.describe()));
    if (m_session->job() == Session::Job::Idle)
        connect_machine();
}

void MainWindow::faults_changed()
{
    m_choice.faults = m_faults->faults();
    QSettings settings;
    m_choice.save(settings);
    if (m_choice.kind != Target::Simulator)
        return;
    // The simulator takes its faults when it starts: a new one now, or
    // after the job.
    if (m_session->job() == Session::Job::Idle)
        connect_machine();
    else
        note(tr("the faults apply to the simulator started after this job"));
}

void MainWindow::note(const QString &text)
{
    const QString time = QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss"));
    for (const QString &line : text.split(QLatin1Char('\n')))
        m_log->appendPlainText(time + QLatin1Char(' ') + line);
}

QString MainWindow::link_text() const
{
    return m_link_label->text();
}

QString MainWindow::job_text() const
{
    return m_job_label->text();
}

QString MainWindow::log_text() const
{
    return m_log->toPlainText();
}

void MainWindow::show_link()
{
    m_link_label->setText(m_session->link_text().isEmpty() ? tr("not connected") : m_session->link_text());
    const bool bad = m_session->link() == Session::Link::Lost;
    m_link_label->setStyleSheet(bad ? QStringLiteral("color: #b00000; font-weight: bold") : QString());
    update_actions();
}

// Only what the machine reported: a pause once it confirmed it, a stop
// once it answered.
void MainWindow::show_job()
{
    const JobProgress *progress = m_session->progress();
    QString text;
    bool alarm = false;
    switch (m_session->job()) {
    case Session::Job::Running:
        if (!progress)
            text = tr("starting...");
        else if (m_session->waiting_for_code())
            text = tr("waiting for the machine to read a QR code: nothing is being cut");
        else if (m_session->paused())
            text = tr("paused (the machine confirmed it)");
        else
            text = tr("cutting: %1 % confirmed by the machine").arg(progress->percent());
        break;
    case Session::Job::Stopping:
        text = tr("stopping: waiting for the machine to confirm...");
        break;
    case Session::Job::Idle:
        if (!progress || m_session->end_text().isEmpty())
            text = tr("no job");
        else switch (m_session->outcome()) {
        case JobOutcome::Finished: text = tr("finished"); break;
        case JobOutcome::UserStop: text = tr("stopped (the machine confirmed it)"); break;
        case JobOutcome::MachineStop: text = tr("stopped on the machine"); break;
        case JobOutcome::Silent: text = tr("the machine went silent; it confirmed the stop"); break;
        case JobOutcome::StopUnconfirmed:
            text = m_session->went_silent() ? tr("the machine stopped answering: it may still be cutting")
                                            : tr("stop not confirmed: the machine may still be cutting");
            alarm = true;
            break;
        case JobOutcome::LinkLost:
            text = tr("link lost: whether the machine stopped is unknown");
            alarm = true;
            break;
        case JobOutcome::Running: break;
        }
        break;
    }
    m_job_label->setText(text);
    m_job_label->setStyleSheet(alarm ? QStringLiteral("color: #b00000; font-weight: bold") : QString());
}

void MainWindow::update_actions()
{
    const Session::Job job = m_session->job();
    const bool idle = job == Session::Job::Idle && !m_queue->running();
    const bool open = !m_session->file().isEmpty();
    ResumePoint point;
    if (idle && open)
        point = m_session->resume_point();
    auto enable = [this](const char *name, bool on) { action(QLatin1String(name))->setEnabled(on); };
    enable("open", idle);
    enable("start", idle && open);
    enable("pause", job == Session::Job::Running && m_session->on_machine() && !m_session->paused());
    enable("resume", job == Session::Job::Running && m_session->paused());
    enable("stop", job != Session::Job::Idle);
    enable("resume_job", idle && point.kind == ResumePoint::Cut);
    enable("redo_page", idle && (point.kind == ResumePoint::Cut || point.kind == ResumePoint::OnlyInFlight));
    enable("qr_job", idle);
    enable("run_queue", idle && m_queue->count() > 0);
    enable("connect", job == Session::Job::Idle && m_session->link() != Session::Link::Up);
    enable("disconnect", job == Session::Job::Idle && m_session->link() == Session::Link::Up);
    enable("choose_machine", job == Session::Job::Idle);
    enable("history", m_history->is_open());
    // Settings change between jobs, on a machine that answers.
    enable("settings", idle && m_session->device() != nullptr);
    enable("test_cut", idle && m_session->device() != nullptr);
    m_faults->setEnabled(job == Session::Job::Idle);
    m_copies->setEnabled(idle);
}

void MainWindow::history_dialog()
{
    auto *dialog = new HistoryDialog(m_history.data(), m_session->plugin_root(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void MainWindow::settings_dialog()
{
    VXDeviceInterface *device = m_session->device();
    if (!device)
        return;
    const int timeout = 5000;
    const QStringList unread = read_values(device, readable_settings(device), timeout);
    auto *dialog = new SettingsDialog(device, timeout, unread, m_presets.data(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The device goes with the link: the dialog must not outlive it.
    connect(m_session, &Session::link_changed, dialog, [this, dialog] {
        if (!m_session->device())
            dialog->close();
    });
    dialog->show();
}

// A square with a cross at a chosen place, opened as the design (so that
// the sheet shows it) and cut once.
void MainWindow::test_cut()
{
    VXDeviceInterface *device = m_session->device();
    if (!device)
        return;
    TestCutDialog dialog(machine_work_area(device, 5000), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString path = QStandardPaths::writableLocation(QStandardPaths::TempLocation)
                         + QStringLiteral("/vxstudio-test-cut.plt");
    QFile file(path);
    const QByteArray text = dialog.text().toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size() || !file.flush()) {
        note(tr("the test cut cannot be written to %1: %2").arg(path, file.errorString()));
        return;
    }
    file.close();
    note(tr("test cut: a %1 mm square with a cross at %2, %3 mm")
             .arg(dialog.size_mm()).arg(dialog.at_mm().x()).arg(dialog.at_mm().y()));
    if (open_file(path))
        m_session->start(1);
}

void MainWindow::show_progress()
{
    if (!m_session->progress())
        return;
    if (!m_session->waiting_for_code())
        m_view->show_progress(m_session->progress());
    m_figures->refresh();
    show_job();
}

// The title names what the sheet shows: the design opened, or the file a
// QR-code job cuts for the current code.
void MainWindow::show_title()
{
    const DesignSheet *sheet = m_view->sheet();
    setWindowTitle(sheet && !sheet->title.isEmpty() ? tr("vxstudio - %1").arg(sheet->title) : tr("vxstudio"));
}

void MainWindow::on_job_ended(JobOutcome outcome, const QString &text)
{
    m_clock->stop();
    // The last report shown before the end is told.
    if (m_progress_shown->isActive()) {
        m_progress_shown->stop();
        show_progress();
    }
    note(text);
    if (!m_session->waiting_for_code())
        m_view->show_progress(m_session->progress());
    m_figures->refresh();
    show_job();
    update_actions();
    const QString headline = text.section(QLatin1Char('\n'), 0, 0);
    switch (outcome) {
    case JobOutcome::Finished:
        m_notifier->notify(tr("Job finished"), QFileInfo(m_session->job_file()).fileName() + QStringLiteral(": ") + headline);
        break;
    case JobOutcome::MachineStop:
        m_notifier->notify(tr("Stopped on the machine"), headline);
        break;
    case JobOutcome::LinkLost:
        m_notifier->notify(tr("Link lost"), headline);
        break;
    case JobOutcome::Silent:
        m_notifier->notify(tr("The machine went silent"), headline);
        break;
    case JobOutcome::StopUnconfirmed:
        m_notifier->notify(m_session->went_silent() ? tr("The machine stopped answering") : tr("Stop not confirmed"),
                           headline);
        break;
    case JobOutcome::UserStop:
    case JobOutcome::Running:
        break;
    }
    if (m_close_when_idle)
        QTimer::singleShot(0, this, &QWidget::close);
}

void MainWindow::on_qr_code(const QString &code, const QString &file, const QString &skipped)
{
    auto *item = new QTreeWidgetItem(m_qr_log, {QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss")), code,
                                                file, skipped});
    m_qr_log->scrollToItem(item);
    if (skipped.isEmpty()) {
        note(tr("QR code %1: %2").arg(code, file));
    } else {
        note(tr("QR code %1: %2; skipped").arg(code, skipped));
        m_notifier->notify(tr("Unknown QR code"), tr("%1: %2").arg(code, skipped));
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The window stays until the machine answered the stop (or did not).
    if (m_session->job() != Session::Job::Idle) {
        m_close_when_idle = true;
        note(tr("closing once the job has ended: stopping it"));
        m_session->stop();
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

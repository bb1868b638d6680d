#pragma once

#include "job_watch.h"
#include "machine_choice.h"

#include <QtCore/QScopedPointer>
#include <QtWidgets/QMainWindow>

class JobFigures;
class JobHistory;
class JobRecorder;
class MaterialPresets;
class JobView;
class Notifier;
class PracticeFaultsMenu;
class QAction;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;
class QTimer;
class QTreeWidget;
class QueuePanel;
class Session;

// The console's window: the sheet and the job's figures, the controls
// (buttons and toolbar share each action), the queue, the QR-code log and
// the log of what happened; the job history, the machine's settings with
// material presets, and a test cut (actions "history", "settings",
// "test_cut").
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // plugin: the device plugin's file.
    explicit MainWindow(const QString &plugin, QWidget *parent = nullptr);
    ~MainWindow() override;

    Session &session() const { return *m_session; }
    JobView *view() const { return m_view; }
    QueuePanel *queue() const { return m_queue; }
    QAction *action(const QString &name) const;
    // What the window says of the link and the job.
    QString link_text() const;
    QString job_text() const;
    QString log_text() const;
    // Opens a design; false after saying why in the log.
    bool open_file(const QString &path);
    // Connects to the chosen machine; false after saying why.
    bool connect_machine();
    // The machine chosen, read again from the settings.
    void reload_machine();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void build_actions();
    void build_menus();
    QWidget *build_controls();
    void update_actions();
    void show_link();
    void show_job();
    void show_title();
    void show_progress();
    void on_job_ended(JobOutcome outcome, const QString &text);
    void on_qr_code(const QString &code, const QString &file, const QString &skipped);
    void note(const QString &text);
    void choose_machine();
    void faults_changed();
    void open_dialog();
    void qr_dialog();
    void apply_machine();
    void history_dialog();
    void settings_dialog();
    void test_cut();

    Session *m_session;
    QScopedPointer<JobHistory> m_history;
    QScopedPointer<MaterialPresets> m_presets;
    JobRecorder *m_recorder;
    Notifier *m_notifier;
    MachineChoice m_choice;
    JobView *m_view;
    JobFigures *m_figures;
    QueuePanel *m_queue;
    QSpinBox *m_copies;
    QLabel *m_link_label;
    QLabel *m_job_label;
    QPlainTextEdit *m_log;
    QTreeWidget *m_qr_log;
    QTabWidget *m_tabs;
    PracticeFaultsMenu *m_faults;
    QTimer *m_clock;
    QTimer *m_progress_shown; // the latest report drawn, after its handling
    QHash<QString, QAction *> m_actions;
    bool m_close_when_idle = false;
};

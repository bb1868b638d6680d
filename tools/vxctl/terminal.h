#pragma once

#include <QtCore/QObject>

#include <csignal>
#include <termios.h>

class QSocketNotifier;

// Ctrl-C, SIGTERM and SIGHUP as a Qt signal (the handler only writes to a pipe),
// and single keys from an interactive terminal.
class Terminal : public QObject
{
    Q_OBJECT

public:
    explicit Terminal(QObject *parent = nullptr);
    ~Terminal() override;

    static bool is_interactive_output();
    // The output terminal's width, 80 when it does not say.
    static int columns();
    // Reads keys one at a time, without echo, while this object lives.
    void watch_keys();

signals:
    void interrupted();
    void key_pressed(char key);

private:
    QSocketNotifier *m_interrupts = nullptr;
    QSocketNotifier *m_keys = nullptr;
    bool m_restore_mode = false;
    struct sigaction m_saved_actions[3] = {}; // SIGINT, SIGTERM, SIGHUP as they were
    termios m_saved_mode{};
};

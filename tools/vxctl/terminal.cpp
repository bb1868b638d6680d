#include "terminal.h"

#include <QtCore/QSocketNotifier>

#include <csignal>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_interrupt_pipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

void on_signal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_interrupt_pipe[1], &byte, 1);
}

} // namespace

Terminal::Terminal(QObject *parent)
    : QObject(parent)
{
    if (g_interrupt_pipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_interrupt_pipe) != 0)
        return;
    m_interrupts = new QSocketNotifier(g_interrupt_pipe[0], QSocketNotifier::Read, this);
    connect(m_interrupts, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(g_interrupt_pipe[0], &byte, 1);
        emit interrupted();
    });
    struct sigaction action = {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        sigaction(kSignals[i], &action, &m_saved_actions[i]);
}

Terminal::~Terminal()
{
    if (m_restore_mode)
        tcsetattr(STDIN_FILENO, TCSANOW, &m_saved_mode);
    if (m_interrupts) {
        for (int i = 0; i < 3; ++i)
            sigaction(kSignals[i], &m_saved_actions[i], nullptr);
    }
}

bool Terminal::is_interactive_output()
{
    return isatty(STDOUT_FILENO);
}

int Terminal::columns()
{
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

void Terminal::watch_keys()
{
    if (m_keys || !isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &m_saved_mode) != 0)
        return;
    termios keys = m_saved_mode;
    keys.c_lflag &= ~tcflag_t(ICANON | ECHO);
    keys.c_cc[VMIN] = 1;
    keys.c_cc[VTIME] = 0;
    m_restore_mode = tcsetattr(STDIN_FILENO, TCSANOW, &keys) == 0;
    m_keys = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_keys, &QSocketNotifier::activated, this, [this] {
        char key = 0;
        if (::read(STDIN_FILENO, &key, 1) == 1)
            emit key_pressed(key);
        else
            m_keys->setEnabled(false); // end of input
    });
}

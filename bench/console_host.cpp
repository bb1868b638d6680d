// The operator's console measured in a process of its own, offscreen:
//   open FILE                      opening and drawing a design; memory
//   stall FILE SECONDS             the longest event-loop stall while a job
//                                  runs on vxsim reporting 50 times a second
//                                  (VXBENCH_GAPS=1: each over 30 ms on stderr)
//   turnaround PORT FILE bare|window  a job against the benchmark peer, with
//                                  or without the console's window
// Prints "key=value" figures; exit status 1 when the run failed.
#include "job_progress.h"
#include "main_window.h"
#include "memory_use.h"
#include "plugin_host.h"
#include "session.h"
#include "views/job_view.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QFileInfo>
#include <QtCore/QEventLoop>
#include <QtCore/QTimer>
#include <QtWidgets/QApplication>

#include <cstdio>
#include <functional>

namespace {

// Runs the event loop until `done` or the time is up.
bool wait_for(const std::function<bool()> &done, int timeout_ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeout_ms) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

int open_design(const QString &file)
{
    const qint64 base = status_kib("VmRSS");
    MainWindow window(PluginHost::default_plugin_path());
    window.resize(1280, 900);
    window.show();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    if (!window.open_file(file))
        return 1;
    window.view()->repaint(); // drawn now, not at the next event
    const double seconds = clock.nsecsElapsed() / 1e9;
    std::printf("open_draw_s=%.4f base_kib=%lld peak_kib=%lld file_bytes=%lld\n", seconds,
                static_cast<long long>(base), static_cast<long long>(status_kib("VmHWM")),
                static_cast<long long>(QFileInfo(file).size()));
    return 0;
}

int stall(const QString &file, int seconds)
{
    MainWindow window(PluginHost::default_plugin_path());
    window.resize(1280, 900);
    window.show();
    Session &session = window.session();
    Target sim;
    sim.simulator_arguments = QStringList{"--speed", "100000", "--progress-interval", "20"};
    session.set_machine(sim);
    if (!window.open_file(file) || !session.connect_machine())
        return 1;
    int reports = 0;
    QElapsedTimer since_tick, measuring;
    qint64 longest_ms = 0;
    bool stopped = false;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 gap = since_tick.elapsed() - 5;
        if (gap > 30 && qEnvironmentVariableIsSet("VXBENCH_GAPS"))
            std::fprintf(stderr, "gap %lld ms at %lld ms, page %d, %d %%\n", static_cast<long long>(gap),
                         static_cast<long long>(measuring.elapsed()), session.progress()->page(),
                         session.progress()->percent());
        longest_ms = qMax(longest_ms, gap);
        since_tick.start();
        if (!stopped && measuring.elapsed() >= seconds * 1000) {
            stopped = true;
            tick.stop();
            session.stop();
        }
    });
    // Measured from the first report on, while the job runs.
    QObject::connect(&session, &Session::progress_changed, [&] {
        if (!measuring.isValid()) {
            measuring.start();
            since_tick.start();
            tick.start();
        }
        ++reports;
    });
    bool ended = false;
    QObject::connect(&session, &Session::job_ended, [&] { ended = true; });
    if (!session.start(1) || !wait_for([&] { return ended; }, 600000))
        return 1;
    const double measured_s = measuring.isValid() ? measuring.elapsed() / 1000.0 : 0.0;
    std::printf("stall_ms=%lld reports=%d seconds=%.2f\n", static_cast<long long>(longest_ms), reports,
                qMin(measured_s, double(seconds)));
    return reports > 0 ? 0 : 1;
}

int turnaround(quint16 port, const QString &file, bool with_window)
{
    QScopedPointer<MainWindow> window;
    QScopedPointer<Session> bare;
    if (with_window) {
        window.reset(new MainWindow(PluginHost::default_plugin_path()));
        window->resize(1280, 900);
        window->show();
    } else {
        bare.reset(new Session);
        QString error;
        if (!bare->load_plugin(PluginHost::default_plugin_path(), &error))
            return 1;
    }
    Session &session = with_window ? window->session() : *bare;
    Target peer;
    peer.kind = Target::Tcp;
    peer.port = port;
    session.set_machine(peer);
    session.set_timeout_ms(200); // the peer answers pages only
    QString error;
    const bool opened = with_window ? window->open_file(file) : session.open(file, &error);
    bool ended = false;
    QObject::connect(&session, &Session::job_ended, [&] { ended = true; });
    if (!opened || !session.connect_machine() || !session.start(1))
        return 1;
    // The peer closes the link after the last page's answer: the job ends there.
    const int pages = session.stats().pages;
    wait_for([&] { return ended; }, 120000);
    const bool all = session.progress() && session.progress()->page() >= pages;
    std::printf("pages=%d\n", pages);
    return all ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("vxbench"));
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("open"))
        return open_design(args.at(2));
    if (args.size() == 4 && args.at(1) == QLatin1String("stall"))
        return stall(args.at(2), args.at(3).toInt());
    if (args.size() == 5 && args.at(1) == QLatin1String("turnaround"))
        return turnaround(quint16(args.at(2).toUInt()), args.at(3), args.at(4) == QLatin1String("window"));
    std::fprintf(stderr, "usage: vxbench_console open FILE | stall FILE SECONDS | turnaround PORT FILE bare|window\n");
    return 2;
}

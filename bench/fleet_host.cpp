// One measurement of a host driving many machines at once, in its own
// process so that no memory freed by an earlier run hides the growth: N
// machine instances, made and driven as a host does, each connected over
// TCP loopback to its own machine in one vxsim process, all cutting a
// three-page job of two copies together. Prints the resident-set growth,
// the CPU time (user + system) and the wall time from making the instances
// to the last job's end.
#include "bench_data.h"
#include "helper_process.h"
#include "memory_use.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QJsonObject>
#include <QtCore/QTimer>
#include <QtCore/QVector>

#include <malloc.h>
#include <sys/resource.h>

#include <cstdio>
#include <memory>
#include <vector>

using vxbench::HelperProcess;

namespace {

constexpr int kPages = 3;
constexpr int kCopies = 2;
constexpr int kWaitMs = 60000;

double cpu_seconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The ports of the machines vxsim announces, one "listening" line each.
QVector<quint16> listening_ports(HelperProcess &simulator, int machines)
{
    QVector<quint16> ports;
    while (ports.size() < machines) {
        const QByteArray line = simulator.read_line(10000);
        if (!line.startsWith("listening "))
            break;
        ports << quint16(line.mid(line.lastIndexOf(':') + 1).toUInt());
    }
    return ports;
}

void write_setting(VXDeviceInterface *device, const char *key, const QVariant &value)
{
    VXDeviceProperty *property = device->property_ptr(key);
    property->setValue(value);
    device->sendCMD(property->set_cmd_bytes());
}

// One instance per machine, made, connected and given its job as a host
// does, and followed through the same signals vxctl follows.
class Fleet
{
public:
    explicit Fleet(VXDeviceInterface &factory) : m_factory(factory) {}

    // The devices let go of their sockets from the event loop.
    ~Fleet()
    {
        m_machines.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Connects an instance to each port and, once all are up, starts the
    // job on every one; true when each saw its job finish.
    bool run(const QVector<quint16> &ports, const QString &job)
    {
        QEventLoop loop;
        m_loop = &loop;
        m_job = job;
        m_count = ports.size();
        QTimer::singleShot(kWaitMs, &loop, [this] { fail(QStringLiteral("a job did not finish in time")); });
        m_machines.reserve(size_t(m_count));
        for (const quint16 port : ports) {
            m_machines.push_back({std::unique_ptr<VXDeviceInterface>(m_factory.initInstance()), false});
            VXDeviceInterface *device = m_machines.back().device.get();
            follow(m_machines.size() - 1);
            device->property_ptr("TCP_PORT")->setValue(int(port));
            device->setIPAddress(QStringLiteral("127.0.0.1"));
            if (!device->connectDevice())
                fail(QStringLiteral("an instance did not start connecting"));
        }
        if (m_failure.isEmpty() && m_finished < m_count)
            loop.exec();
        m_loop = nullptr;
        return m_failure.isEmpty() && m_finished == m_count;
    }

    QString failure() const { return m_failure; }

private:
    struct Machine
    {
        std::unique_ptr<VXDeviceInterface> device;
        bool finished = false;
    };

    void follow(size_t index)
    {
        VXDeviceInterface *device = m_machines[index].device.get();
        QObject::connect(device, &VXDeviceInterface::message, m_loop,
                         [this, index](VXDeviceInterface::VXDeviceMessage kind, const QString &text) {
                             if (kind == VXDeviceInterface::DevTasK)
                                 check_finished(index);
                             else if (kind == VXDeviceInterface::DevStatus)
                                 on_status(text);
                         });
        QObject::connect(device->property_ptr("TASK"), &VXDeviceProperty::valueChanged, m_loop,
                         [this, index] { check_finished(index); });
    }

    void on_status(const QString &text)
    {
        if (text != QLatin1String("TCP CONNECTED."))
            fail(text);
        else if (++m_connected == m_count)
            start_jobs();
    }

    void start_jobs()
    {
        for (const Machine &machine : m_machines) {
            write_setting(machine.device.get(), "TASK_COPIES", kCopies);
            machine.device->setPlt(m_job);
            machine.device->startTask();
        }
    }

    void check_finished(size_t index)
    {
        Machine &machine = m_machines[index];
        const QJsonObject task = machine.device->property_ptr("TASK")->value().toJsonObject();
        if (machine.finished || task.value(QStringLiteral("Finished")).toInt() < kCopies)
            return;
        machine.finished = true;
        if (++m_finished == m_count)
            m_loop->quit();
    }

    void fail(const QString &why)
    {
        if (m_failure.isEmpty())
            m_failure = why;
        if (m_loop)
            m_loop->quit();
    }

    VXDeviceInterface &m_factory;
    std::vector<Machine> m_machines;
    QEventLoop *m_loop = nullptr;
    QString m_job;
    int m_count = 0;
    int m_connected = 0;
    int m_finished = 0;
    QString m_failure;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int machines = app.arguments().value(1).toInt();
    if (app.arguments().size() != 2 || machines < 1) {
        std::fprintf(stderr, "usage: vxbench_fleet MACHINES\n");
        return 2;
    }
    HelperProcess simulator(QCoreApplication::applicationDirPath() + QStringLiteral("/vxsim"),
                            {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--machines"),
                             QString::number(machines)});
    const QVector<quint16> ports = listening_ports(simulator, machines);
    if (ports.size() != machines) {
        std::fprintf(stderr, "vxbench_fleet: vxsim did not start %d machines\n", machines);
        return 1;
    }
    VXLT3050PROCam root; // the plugin's root object, which a host loads once
    const QString job = vxbench::plotter_job(kPages * 1024, kPages);
    {
        // One machine first, so that Qt's one-time set-up is not counted.
        Fleet warm_up(root);
        if (!warm_up.run(ports.mid(0, 1), job)) {
            std::fprintf(stderr, "vxbench_fleet: the warm-up job failed: %s\n", qPrintable(warm_up.failure()));
            return 1;
        }
    }
    malloc_trim(0); // what the warm-up freed would otherwise be reused unseen

    const qint64 rss_before = status_kib("VmRSS");
    const double cpu_before = cpu_seconds();
    QElapsedTimer wall;
    wall.start();
    Fleet fleet(root);
    const bool finished = fleet.run(ports, job);
    const double wall_s = double(wall.nsecsElapsed()) / 1e9;
    const double cpu_s = cpu_seconds() - cpu_before;
    const qint64 grown_kib = status_kib("VmRSS") - rss_before;
    if (!finished) {
        std::fprintf(stderr, "vxbench_fleet: %s\n", qPrintable(fleet.failure()));
        return 1;
    }
    std::printf("machines=%d pages=%d copies=%d rss_kib=%lld cpu_s=%.6f wall_s=%.6f\n", machines, kPages, kCopies,
                static_cast<long long>(grown_kib), cpu_s, wall_s);
    return 0;
}

// One memory measurement per process: builds a plotter job, then either
// cuts it with setPlt on a machine instance or searches it for "PG;", and
// prints the resident-set figures from /proc/self/status.
#include "bench_data.h"
#include "memory_use.h"
#include "vxdeviceproperty.h"
#include "vxlt3050procam.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QScopedPointer>
#include <QtCore/QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 || (args.at(1) != QLatin1String("setplt") && args.at(1) != QLatin1String("search"))) {
        std::fprintf(stderr, "usage: vxbench_peak setplt|search CHARS PAGES\n");
        return 2;
    }
    const qint64 chars = args.at(2).toLongLong();
    const int pages = args.at(3).toInt();

    VXLT3050PROCam root;
    QScopedPointer<VXDeviceInterface> device(root.initInstance());
    const qint64 base = status_kib("VmRSS");

    const QString job = vxbench::plotter_job(chars, pages);
    const qint64 with_job = status_kib("VmHWM");
    int found = 0;
    if (args.at(1) == QLatin1String("setplt")) {
        device->setPlt(job);
        found = device->property_ptr("TASK_PPLT")->value().toString().isEmpty() ? 0 : pages;
    } else {
        for (int at = job.indexOf(QLatin1String("PG;")); at >= 0; at = job.indexOf(QLatin1String("PG;"), at + 3))
            ++found;
    }
    const qint64 peak = status_kib("VmHWM");
    std::printf("job_bytes=%lld base_kib=%lld job_hwm_kib=%lld peak_kib=%lld pages=%d\n",
                static_cast<long long>(job.size()) /* ASCII: one byte a character */, static_cast<long long>(base),
                static_cast<long long>(with_job), static_cast<long long>(peak), found);
    return found == pages ? 0 : 1;
}

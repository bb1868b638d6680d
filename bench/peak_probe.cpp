// One memory measurement per process: builds a plotter job, then either
// cuts it with setPlt on a machine instance or searches it for "PG;"; or
// reads a design file and holds its paths as a picture of it needs them.
// Prints the resident-set figures from /proc/self/status.
#include "bench_data.h"
#include "plotter_file.h"
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
    if (args.size() == 3 && args.at(1) == QLatin1String("design")) {
        const qint64 base = status_kib("VmRSS");
        PlotterFile file;
        file.set_keep_paths(true);
        QString error;
        if (!file.read(args.at(2), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        const QVector<PlotPage> pages = file.take_paths();
        std::printf("job_bytes=%lld base_kib=%lld peak_kib=%lld pages=%d\n", static_cast<long long>(file.size()),
                    static_cast<long long>(base), static_cast<long long>(status_kib("VmHWM")), int(pages.size()));
        return 0;
    }
    if (args.size() != 4 || (args.at(1) != QLatin1String("setplt") && args.at(1) != QLatin1String("search"))) {
        std::fprintf(stderr, "usage: vxbench_peak setplt|search CHARS PAGES, or design FILE\n");
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

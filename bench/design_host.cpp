// Designs measured in a process of their own (it links the plugin as a
// host does, which the benchmark program, linking the plugin's code, may
// not):
//   measure FILE SVG_BYTES REPEATS  a dry run's reading of the HP-GL file
//                                   against reading it and splitting it at
//                                   ";", its picture, an SVG drawing imported;
//                                   the fastest of the repeats each
//   memory FILE                     the peak resident set reading the file
//                                   and holding its paths
// Prints "key=value" figures; exit status 1 when a step failed.
#include "bench_designs.h"
#include "design_picture.h"
#include "memory_use.h"
#include "plotter_file.h"
#include "svg_import.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <cstdio>
#include <functional>
#include <limits>

namespace {

// The fastest of `repeats` runs, in seconds; negative when one failed.
double fastest(int repeats, const std::function<bool()> &run)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer clock;
        clock.start();
        if (!run())
            return -1.0;
        best = qMin(best, clock.nsecsElapsed() / 1e9);
    }
    return best;
}

int measure(const QString &path, qint64 svg_bytes, int repeats)
{
    qint64 bytes = 0, commands = 0;
    const double read_s = fastest(repeats, [&] {
        PlotterFile file;
        QString error;
        if (!file.read(path, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return false;
        }
        bytes = file.size();
        return file.stats().cut > 0.0;
    });
    const double split_s = fastest(repeats, [&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        commands = file.readAll().split(';').size();
        return commands > 0;
    });

    PlotterFile file;
    file.set_keep_paths(true);
    QString error;
    if (!file.read(path, &error))
        return 1;
    const DesignSheet sheet{file.take_paths(), WorkArea{1200.0, 800.0, QString()}, QStringLiteral("design.plt"), 0.0,
                            100.0};
    QImage image(kDesignPictureWidth, kDesignPictureHeight, QImage::Format_RGB32);
    const double picture_s = fastest(repeats, [&] {
        QPainter painter(&image);
        draw_design(painter, QRectF(image.rect()), sheet);
        return true;
    });

    const QByteArray svg = vxbench::design_svg(svg_bytes);
    qint64 hpgl_bytes = 0;
    const double svg_s = fastest(repeats, [&] {
        SvgImport import;
        if (!import.convert(QStringLiteral("design.svg"), svg, SvgImport::ByLayer, &error))
            return false;
        hpgl_bytes = import.hpgl().size();
        return true;
    });
    std::printf("read_s=%.5f split_s=%.5f picture_s=%.5f svg_s=%.5f bytes=%lld commands=%lld pages=%d "
                "svg_bytes=%d hpgl_bytes=%lld\n",
                read_s, split_s, picture_s, svg_s, static_cast<long long>(bytes), static_cast<long long>(commands),
                int(sheet.pages.size()), int(svg.size()), static_cast<long long>(hpgl_bytes));
    return read_s > 0 && split_s > 0 && picture_s > 0 && svg_s > 0 ? 0 : 1;
}

int memory(const QString &path)
{
    const qint64 base = status_kib("VmRSS");
    PlotterFile file;
    file.set_keep_paths(true);
    QString error;
    if (!file.read(path, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const QVector<PlotPage> pages = file.take_paths();
    std::printf("job_bytes=%lld base_kib=%lld peak_kib=%lld pages=%d\n", static_cast<long long>(file.size()),
                static_cast<long long>(base), static_cast<long long>(status_kib("VmHWM")), int(pages.size()));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Pictures need fonts: a GUI application, drawn offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args.at(1) == QLatin1String("measure"))
        return measure(args.at(2), args.at(3).toLongLong(), qMax(1, args.at(4).toInt()));
    if (args.size() == 3 && args.at(1) == QLatin1String("memory"))
        return memory(args.at(2));
    std::fprintf(stderr, "usage: vxbench_design measure FILE SVG_BYTES REPEATS | memory FILE\n");
    return 2;
}

// Designs in: a big HP-GL file read, checked, interpreted and measured as
// the dry run does, against reading it and splitting it at ";"; its
// picture drawn; an SVG drawing imported.
#include "bench_data.h"
#include "bench_scale.h"
#include "design_picture.h"
#include "plotter_file.h"
#include "svg_import.h"

#include <benchmark/benchmark.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryFile>
#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <memory>

namespace vxbench {

// The design is a file, as the operator's is: reading it is part of both.
// It lives as long as the program, under a name of its own.
QString design_file_path(const Scale &scale)
{
    static QTemporaryFile file(QDir::temp().filePath(QStringLiteral("vxbench-design-XXXXXX.plt")));
    if (!file.isOpen()) {
        const QByteArray bytes = design_hpgl(scale.design_bytes, scale.design_pages);
        if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
            return QString();
    }
    return file.fileName();
}

void register_design_benchmarks(const Scale &scale)
{
    const QString path = design_file_path(scale);

    configure(benchmark::RegisterBenchmark("design_read", [path](benchmark::State &state) {
        qint64 bytes = 0;
        for (auto _ : state) {
            PlotterFile file;
            QString error;
            if (!file.read(path, &error)) {
                state.SkipWithError(qPrintable(error));
                return;
            }
            bytes = file.size();
            benchmark::DoNotOptimize(file.stats().cut);
        }
        state.counters["bytes"] = double(bytes);
    }), scale, scale.smoke ? 1 : 3);

    configure(benchmark::RegisterBenchmark("design_split", [path](benchmark::State &state) {
        qint64 commands = 0;
        for (auto _ : state) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                state.SkipWithError("cannot read the design");
                return;
            }
            commands = file.readAll().split(';').size();
        }
        state.counters["commands"] = double(commands);
    }), scale, scale.smoke ? 1 : 3);

    configure(benchmark::RegisterBenchmark("design_picture", [path](benchmark::State &state) {
        PlotterFile file;
        file.set_keep_paths(true);
        QString error;
        if (!file.read(path, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        const DesignSheet sheet{file.take_paths(), WorkArea{1200.0, 800.0, QString()}, QStringLiteral("design.plt"),
                                0.0, 100.0};
        QImage image(kDesignPictureWidth, kDesignPictureHeight, QImage::Format_RGB32);
        for (auto _ : state) {
            QPainter painter(&image);
            draw_design(painter, QRectF(image.rect()), sheet);
        }
        state.counters["pages"] = sheet.pages.size();
    }), scale, scale.smoke ? 1 : 3);

    const auto svg = std::make_shared<const QByteArray>(design_svg(scale.svg_bytes));
    configure(benchmark::RegisterBenchmark("svg_import", [svg](benchmark::State &state) {
        qint64 out = 0;
        for (auto _ : state) {
            SvgImport import;
            QString error;
            if (!import.convert(QStringLiteral("design.svg"), *svg, SvgImport::ByLayer, &error)) {
                state.SkipWithError(qPrintable(error));
                return;
            }
            out = import.hpgl().size();
        }
        state.counters["bytes"] = double(svg->size());
        state.counters["hpgl_bytes"] = double(out);
    }), scale, scale.smoke ? 1 : 3);
}

} // namespace vxbench

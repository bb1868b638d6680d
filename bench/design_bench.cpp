// Designs in: a big HP-GL file read, checked, interpreted and measured as
// the dry run does, against reading it and splitting it at ";"; its
// picture drawn; an SVG drawing imported; the memory of holding it. Each
// measured by vxbench_design in a process of its own.
#include "bench_designs.h"
#include "bench_scale.h"
#include "helper_process.h"
#include "report_table.h"

#include <QtCore/QDir>
#include <QtCore/QTemporaryFile>

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

void measure_design(const Scale &scale, ResultStore &store)
{
    const QString program = scale.helper_dir + QStringLiteral("/vxbench_design");
    const QMap<QString, double> figures =
        HelperProcess(program, {QStringLiteral("measure"), design_file_path(scale), QString::number(scale.svg_bytes),
                                QString::number(scale.repetitions)}).finish(600000);
    const auto put = [&](const char *name, const char *seconds, std::map<std::string, double> counters) {
        Measured measured;
        measured.seconds = figures.value(QLatin1String(seconds));
        if (figures.isEmpty())
            measured.error = "vxbench_design failed";
        measured.counters = std::move(counters);
        store.put(name, measured);
    };
    put("design_read", "read_s", {{"bytes", figures.value(QStringLiteral("bytes"))}});
    put("design_split", "split_s", {{"commands", figures.value(QStringLiteral("commands"))}});
    put("design_picture", "picture_s", {{"pages", figures.value(QStringLiteral("pages"))}});
    put("svg_import", "svg_s", {{"bytes", figures.value(QStringLiteral("svg_bytes"))},
                                {"hpgl_bytes", figures.value(QStringLiteral("hpgl_bytes"))}});

    const QMap<QString, double> peak =
        HelperProcess(program, {QStringLiteral("memory"), design_file_path(scale)}).finish(300000);
    Measured measured;
    if (peak.isEmpty())
        measured.error = "vxbench_design failed: memory";
    for (auto it = peak.begin(); it != peak.end(); ++it)
        measured.counters[it.key().toStdString()] = it.value();
    store.put("peak_design", measured);
}

} // namespace vxbench

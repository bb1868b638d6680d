#include "command_table.h"

#include "plotter_file.h"
#include "svg_import.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QSaveFile>

// vxctl convert: an SVG drawing written as the plotter text a job of it
// sends, checked and measured the same way.
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("vxctl", text);
}

} // namespace

QString check_convert(const Invocation &call)
{
    SvgImport::PagesBy pages_by;
    if (call.options.isSet(QStringLiteral("pages-by"))
        && !SvgImport::pages_by(call.options.value(QStringLiteral("pages-by")), &pages_by))
        return tr("--pages-by takes layer or none");
    return QString();
}

int run_convert(const Invocation &call)
{
    const QString &design = call.arguments.at(0);
    const QString &target = call.arguments.at(1);
    SvgImport::PagesBy pages_by = SvgImport::OnePage;
    SvgImport::pages_by(call.options.value(QStringLiteral("pages-by")), &pages_by);
    PlotterFile file;
    file.set_svg_pages_by_layer(pages_by == SvgImport::ByLayer);
    QString error;
    if (!file.read(design, &error)) {
        call.err << "vxctl: " << error << '\n';
        return 1;
    }
    const PlotterStats &stats = file.stats();
    if (stats.imported.isEmpty()) {
        call.err << "vxctl: " << tr("%1 is no SVG drawing").arg(design) << '\n';
        return 1;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(file.text_from_page(1).toUtf8()) < 0 || !out.commit()) {
        call.err << "vxctl: " << tr("cannot write %1: %2").arg(target, out.errorString()) << '\n';
        return 1;
    }
    const double mm = PlotterStats::kUnitsPerMm;
    call.out << stats.imported << '\n'
             << tr("%1: %2 page(s), %3 x %4 mm, %5 mm to cut")
                    .arg(target).arg(stats.pages)
                    .arg((stats.max_x - stats.min_x) / mm, 0, 'f', 1).arg((stats.max_y - stats.min_y) / mm, 0, 'f', 1)
                    .arg(stats.cut / mm, 0, 'f', 1)
             << '\n';
    return 0;
}

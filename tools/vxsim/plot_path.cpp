#include "plot_path.h"

#include <QtCore/QList>
#include <QtCore/QtMath>

namespace vx::sim {

double plot_path_length_mm(const QByteArray &plotter_text)
{
    double x = 0.0;
    double y = 0.0;
    bool relative = false;
    double units = 0.0;

    const QList<QByteArray> commands = plotter_text.split(';');
    for (const QByteArray &raw : commands) {
        const QByteArray command = raw.trimmed();
        const QByteArray mnemonic = command.left(2).toUpper();
        if (mnemonic == "PA" || mnemonic == "PR")
            relative = mnemonic == "PR";
        if (mnemonic != "PU" && mnemonic != "PD" && mnemonic != "PA" && mnemonic != "PR")
            continue;

        const QList<QByteArray> numbers = command.mid(2).split(',');
        for (int i = 0; i + 1 < numbers.size(); i += 2) {
            bool x_ok = false;
            bool y_ok = false;
            const double nx = numbers.at(i).trimmed().toDouble(&x_ok);
            const double ny = numbers.at(i + 1).trimmed().toDouble(&y_ok);
            if (!x_ok || !y_ok)
                break;
            const double tx = relative ? x + nx : nx;
            const double ty = relative ? y + ny : ny;
            units += qSqrt((tx - x) * (tx - x) + (ty - y) * (ty - y));
            x = tx;
            y = ty;
        }
    }
    return units / kPlotterUnitsPerMm;
}

} // namespace vx::sim

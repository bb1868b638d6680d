// Writes the snapshot tst_catalogue compares against (see the README); run
// it only after checking each changed line against the command tables.
#include "catalogue_snapshot.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QTextStream>

int main(int argc, char *argv[])
{
    qputenv("LC_ALL", "zh_CN.UTF-8"); // labels as written: no translation
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // UTF-8 whatever the locale; Qt 6 has no setCodec() and always uses UTF-8.
    out.setCodec("UTF-8");
#endif
    for (const QString &line : catalogue_snapshot())
        out << line << '\n';
    return 0;
}

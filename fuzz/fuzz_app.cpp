#include "fuzz_app.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QLoggingCategory>

namespace vxfuzz {

void ensure_app()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "vxfuzz";
    static char *argv[] = {name, nullptr};
    // Kept until exit: the plugin's objects may outlive any scope here.
    new QCoreApplication(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("vx.*.debug=false"));
}

void settle()
{
    QCoreApplication::sendPostedEvents();
}

} // namespace vxfuzz

#include "console_translation.h"

#include "translation_lookup_p.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QTranslator>

bool install_console_translation(QCoreApplication &app, const QString &locale_name)
{
    auto *translator = new QTranslator(&app);
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/" VX_BIN_TO_TRANSLATIONSDIR);
    if (!vx::load_translation(*translator, QStringLiteral("vxstudio_%1.qm").arg(locale_name), installed)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

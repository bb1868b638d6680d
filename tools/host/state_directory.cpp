#include "state_directory.h"

#include <QtCore/QDir>

QString state_directory()
{
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = state.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/state") : state;
    return base + QStringLiteral("/vxctl");
}

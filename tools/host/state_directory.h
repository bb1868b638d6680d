#pragma once

#include <QtCore/QString>

// vxctl's folder under the user's state directory: $XDG_STATE_HOME/vxctl,
// else ~/.local/state/vxctl. Journals and, without $XDG_RUNTIME_DIR, job
// locks live there.
QString state_directory();

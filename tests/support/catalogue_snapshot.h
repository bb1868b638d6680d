#pragma once

#include <QtCore/QStringList>

// Every property each catalogue function and the machine create, one line
// per property in creation order, then the machine's page key lists and
// icon. Labels read as written in the source, so the caller runs without
// a translation (the zh_CN locale).
QStringList catalogue_snapshot();

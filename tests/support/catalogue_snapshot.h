#pragma once

#include <QtCore/QStringList>

// Every property each catalogue function and the machine create, a line
// each in creation order, then the machine's page key lists and icon.
// Labels as written: the caller runs without a translation (zh_CN).
QStringList catalogue_snapshot();

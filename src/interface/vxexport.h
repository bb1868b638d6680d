#pragma once

#include <QtCore/qglobal.h>

// The device interface and the property record are exported by the plugin
// library itself: a host compiled against these headers links against them.
#if defined(VX_BUILDING_PLUGIN)
#  define VX_EXPORT Q_DECL_EXPORT
#else
#  define VX_EXPORT Q_DECL_IMPORT
#endif

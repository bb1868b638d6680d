#pragma once

#include <QtCore/qglobal.h>

#if defined(VX_BUILDING_PLATFORM)
#  define VXPLATFORM_EXPORT Q_DECL_EXPORT
#else
#  define VXPLATFORM_EXPORT Q_DECL_IMPORT
#endif

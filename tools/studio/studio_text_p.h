#pragma once

#include <QtCore/QCoreApplication>

// The console's records and settings texts: one translation context, "vxstudio".
class StudioText
{
    Q_DECLARE_TR_FUNCTIONS(vxstudio)
};

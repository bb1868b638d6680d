#include "property_logging_p.h"

Q_LOGGING_CATEGORY(lcProperty, "vx.property", QtInfoMsg)

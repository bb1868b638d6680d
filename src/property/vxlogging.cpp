#include "vxlogging.h"

Q_LOGGING_CATEGORY(lcProperty, "vx.property", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDriver, "vx.driver", QtInfoMsg)
Q_LOGGING_CATEGORY(lcCloud, "vx.cloud", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMachine, "vx.machine", QtInfoMsg)

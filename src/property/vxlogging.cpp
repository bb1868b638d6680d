#include "vxlogging.h"

Q_LOGGING_CATEGORY(lcProperty, "vx.property")
Q_LOGGING_CATEGORY(lcDriver, "vx.driver")
Q_LOGGING_CATEGORY(lcCloud, "vx.cloud")
Q_LOGGING_CATEGORY(lcMachine, "vx.machine")

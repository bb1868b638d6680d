#include "driver_logging_p.h"

Q_LOGGING_CATEGORY(lcDriver, "vx.driver", QtInfoMsg)

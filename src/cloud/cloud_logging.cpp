#include "cloud_logging_p.h"

Q_LOGGING_CATEGORY(lcCloud, "vx.cloud", QtInfoMsg)

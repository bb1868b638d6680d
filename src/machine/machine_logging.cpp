#include "machine_logging_p.h"

Q_LOGGING_CATEGORY(lcMachine, "vx.machine", QtInfoMsg)

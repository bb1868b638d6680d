#!/bin/sh
# Runs a command on a virtual X server of its own with a system tray
# (wmdocker) beside it; both end with the server. No session bus: a
# notification service of the caller's desktop would take the messages,
# and no OpenGL: nothing drawn here needs it.
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent QT_XCB_GL_INTEGRATION=none
exec xvfb-run -a -s "-screen 0 1024x768x24" sh -c 'wmdocker >/dev/null 2>&1 & exec "$@"' with_x_tray "$@"

#!/bin/sh
# Runs a command on a virtual X server of its own with a system tray
# (wmdocker) beside it; both end with the server.
exec xvfb-run -a -s "-screen 0 1024x768x24" sh -c 'wmdocker >/dev/null 2>&1 & exec "$@"' with_x_tray "$@"

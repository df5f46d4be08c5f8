#!/bin/sh
# Runs a program on the current display under a window manager, once the
# window manager manages the display.
openbox >/dev/null 2>&1 &
for _ in $(seq 600); do
  xdotool get_desktop >/dev/null 2>&1 && exec "$@"
  sleep 0.1
done
echo "with-window-manager.sh: the window manager did not start" >&2
exit 1

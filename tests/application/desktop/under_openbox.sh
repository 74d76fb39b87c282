#!/usr/bin/env bash
# Runs a test program on the X platform of a fresh Xvfb display managed by
# openbox: what only a real display shows, such as where a window manager
# puts the frames of the windows. Usage: under_openbox.sh PROGRAM [ARGUMENTS...]
set -euo pipefail

if [ -z "${VANTORA_UNDER_XVFB:-}" ]; then
  export VANTORA_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
ready="$(mktemp -u)"
openbox --sm-disable --startup "touch $ready" &
wm=$!
trap 'kill $wm 2>/dev/null || true; rm -f "$ready"' EXIT
# The window manager runs before the first window is shown.
for _ in $(seq 100); do
  [ -e "$ready" ] && break
  sleep 0.1
done
[ -e "$ready" ] || { echo "openbox did not start" >&2; exit 1; }
timeout 120 "$@"

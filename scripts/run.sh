#!/usr/bin/env bash
# Sets up what is missing, builds, and runs Vexmorel on the sample Pic2 file.
# Without a display it runs the window under Xvfb, reads the sample's header
# with a real Enter key press, saves a screenshot, prints its path and exits 0.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
bash "$here/scripts/install-deps.sh"
bash "$here/scripts/build.sh"
sample="$build/sample.p2"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$build/vexmorel" "$sample"
fi

display=99
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do DISPLAY=":$display" xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

shot="$build/screenshot.png"
export DISPLAY=":$display"
timeout 60 "$build/vexmorel" "$sample" &
app=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
# Read the sample's header as a person would (Enter presses Read), then
# photograph the screen and end the program with Ctrl+F1.
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vexmorel$' | head -n1)
if [ -n "$wid" ]; then
  timeout 10 xdotool windowfocus --sync "$wid" || true
  xdotool key Return
  sleep 0.5
fi
import -window root "$shot"
[ -n "$wid" ] && xdotool key ctrl+F1
wait "$app" || true
echo "$shot"

#!/usr/bin/env bash
# Sets up what is missing, builds, and runs Vexmorel on the sample Pic2 file.
# Without a display it runs the window under Xvfb, saves a screenshot,
# prints its path and exits 0.
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
DISPLAY=":$display" VEXMOREL_SCREENSHOT="$shot" VEXMOREL_EXIT_AFTER_SCREENSHOT=1 \
  timeout 60 "$build/vexmorel" "$sample"
echo "$shot"

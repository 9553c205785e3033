#!/usr/bin/env bash
# Start-up of the real window against a minimal Qt Widgets window, measured
# the same way in the same run under an Xvfb of its own: each program is
# started RUNS times (default 21), taking turns, after one unrecorded start
# of each; vexmorel-startup-probe times each start from exec until the
# window is mapped and reports its peak resident memory. A third program,
# the minimal window with one Japanese label, shows the share of the font
# system. Prints the medians and the ratios of the real program to both.
#
# Usage: bench/startup.sh [BUILD_DIR]   (default: $BUILD_DIR, else build/)
# Needs Xvfb. Every wait is bounded; the server is stopped on exit.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-${BUILD_DIR:-$here/build}}" && pwd)"
runs="${RUNS:-21}"
probe="$build/bench/vexmorel-startup-probe"
real="$build/vexmorel"
minimal="$build/bench/vexmorel-minimal-window"
for f in "$probe" "$real" "$minimal"; do
  [ -x "$f" ] || { echo "missing $f: build it first" >&2; exit 1; }
done
# Without its settings file beside it the program would map a message box
# first; the build puts one there.
[ -f "$real.cfg" ] || { echo "missing $real.cfg: build the settings target" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; exit 1; }

work="$(mktemp -d)"
chmod 700 "$work"
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display itself and names it on fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"

start() {  # start NAME PROGRAM [ARG...]: one start, its line appended to NAME
  timeout 30 "$probe" "${@:2}" >>"$work/$1" || { echo "start of $2 failed" >&2; exit 1; }
}
start warmup "$real"
start warmup "$minimal"
start warmup "$minimal" --label
for _ in $(seq "$runs"); do
  start real "$real"
  start minimal "$minimal"
  start label "$minimal" --label
done

# median FILE FIELD: the median of FIELD=value over the lines of FILE.
median() {
  sed -n "s/.*$2=\([0-9.]*\).*/\1/p" "$1" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
printf '%-26s %8s %11s %10s\n' "median of $runs starts" "map ms" "maxrss KiB" "VmHWM KiB"
for name in real minimal label; do
  case $name in
    real) title=vexmorel ;;
    minimal) title=vexmorel-minimal-window ;;
    label) title="  with --label" ;;
  esac
  printf '%-26s %8s %11s %10s\n' "$title" "$(median "$work/$name" map_ms)" \
    "$(median "$work/$name" maxrss_kb)" "$(median "$work/$name" hwm_kb)"
done
ratio() { awk -v a="$(median "$work/real" "$2")" -v b="$(median "$work/$1" "$2")" \
  'BEGIN { printf "%.2f", a / b }'; }
echo "real/minimal: start-up $(ratio minimal map_ms) (goal 1.3)," \
  "peak memory $(ratio minimal maxrss_kb) (goal 1.2)"
echo "real/label:   start-up $(ratio label map_ms), peak memory $(ratio label maxrss_kb)"

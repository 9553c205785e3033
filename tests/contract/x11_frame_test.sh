#!/bin/bash
# The real window on a 1280 x 1024 Xvfb under twm (a window manager that
# does not answer the frame request) and under none: the window centred by
# its outer size, the start pointer on BtOpen's centre, the settings dialog
# at the main window's outer corner with the pointer on BClose; and
# `vexmorel -reverse` keeps "-reverse" as argument 1 (EFileName shows it,
# from the left). With VEXMOREL_DOCS_SHOTS=FOLDER set, the twm run saves the
# main window in both states and the settings dialog there.
#
# Needs Xvfb, twm, xdotool, xwininfo and ImageMagick. Every wait is bounded.
# Usage: x11_frame_test.sh PATH_TO_VEXMOREL
set -u
exe=$1
source "$(dirname "$0")/../check_lib.sh"
need Xvfb twm xdotool xwininfo import convert awk

wm=
stop_wm() { [ -n "$wm" ] && kill "$wm" 2>/dev/null; wait "$wm" 2>/dev/null; wm=; }
trap 'stop_wm; cleanup' EXIT

mkdir "$work/bin"
cp "$exe" "$work/bin/vexmorel"
printf '%s\r\n' title '' notes notes notes notes notes Taro folder "$work/" aspect 1 1 '' \
  presets OFfSNDx label ASN label TX label '' >"$work/bin/vexmorel.cfg"
# The build's sample file where there is one (a full header), else a short one.
if [ -f "$(dirname "$exe")/sample.p2" ]; then
  cp "$(dirname "$exe")/sample.p2" "$work/sample.p2"
else
  { printf 'P2DT%-18s' Taro; head -c 178 /dev/zero; } >"$work/sample.p2"
fi
# A screenshot of the outer window, without the pointer's tooltip.
shoot() {
  xdotool mousemove 1270 1010
  sleep 1
  import -window root -crop "${ow}x${oh}+${ox}+${oy}" +repage "$VEXMOREL_DOCS_SHOTS/$1"
}

field() { awk -v k="$2" 'index($0, k) { print $NF; exit }' <<<"$1"; }
# The window as the screen shows it: the outermost window below the root
# (the manager's frame, or the window itself), border included: X Y W H.
outer() {
  local id=$1 parent info
  for _ in 1 2 3 4 5; do
    parent=$(xwininfo -children -id "$id" | awk '/Parent window id/ { print $4 }')
    [ "$(xwininfo -children -id "$parent" | awk '/Parent window id/ { print $4 }')" = "" ] && break
    [ "$parent" = "$(xwininfo -root | awk '/Window id/ { print $4 }')" ] && break
    id=$parent
  done
  info=$(xwininfo -id "$id")
  local bw; bw=$(field "$info" "Border width:")
  echo "$(field "$info" "Absolute upper-left X:") $(field "$info" "Absolute upper-left Y:")" \
       "$(( $(field "$info" "Width:") + 2 * bw )) $(( $(field "$info" "Height:") + 2 * bw ))"
}
client() { local info; info=$(xwininfo -id "$1"); echo "$(field "$info" "Absolute upper-left X:") $(field "$info" "Absolute upper-left Y:")"; }
pointer() { xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/'; }

run_under() {  # run_under none|twm
  local name=$1 wid cid main dialog cx cy
  start_xvfb
  if [ "$name" = twm ]; then
    LC_ALL=C twm >"$work/twm.log" 2>&1 &
    wm=$!
    for _ in $(seq 50); do xwininfo -root -children | grep -q '"TWM' && break; sleep 0.1; done
  fi
  timeout 60 "$work/bin/vexmorel" "$work/sample.p2" >"$work/app.log" 2>&1 &
  app=$!
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vexmorel$' | head -n1)
  [ -n "$wid" ] || fail "$name: no Vexmorel window: $(cat "$work/app.log")"
  if [ "$name" = twm ]; then
    # twm puts the window into its frame some time after mapping it, later
    # still on a busy machine: measure only once it is there.
    local root parent
    root=$(xwininfo -root | awk '/Window id/ { print $4 }')
    for _ in $(seq 100); do
      parent=$(xwininfo -children -id "$wid" 2>/dev/null | awk '/Parent window id/ { print $4 }')
      [ -n "$parent" ] && [ "$parent" != "$root" ] && break
      sleep 0.1
    done
  fi
  sleep 0.5
  read -r ox oy ow oh <<<"$(outer "$wid")"
  read -r cx cy <<<"$(client "$wid")"
  check "$name: the window is centred by its outer size ($ow x $oh at $ox,$oy)" \
    test "$ox,$oy" = "$(( (1280 - ow) / 2 )),$(( (1024 - oh) / 2 ))"
  check "$name: the start pointer is on BtOpen's centre ($(pointer))" \
    test "$(pointer)" = "$((cx + 1 + 52)) $((cy + 0 + 16))"
  [ -n "${VEXMOREL_DOCS_SHOTS:-}" ] && [ "$name" = twm ] && shoot main-window-no-file.png

  timeout 10 xdotool windowfocus --sync "$wid" >/dev/null 2>&1 || true
  xdotool key alt+z
  cid=$(timeout 10 xdotool search --sync --onlyvisible --name '^Vexmorel Config$' | head -n1)
  check "$name: Alt+Z shows the settings dialog" test -n "$cid"
  if [ -n "$cid" ]; then
    sleep 0.5
    read -r dx dy dw dh <<<"$(outer "$cid")"
    read -r dcx dcy <<<"$(client "$cid")"
    check "$name: the settings dialog's outer corner is the main window's ($dx,$dy)" \
      test "$dx,$dy" = "$ox,$oy"
    # BClose 256, 200, 99 x 89: its centre, one bottom-frame edge lower.
    local bottom=$(( dy + dh - dcy - 293 ))
    check "$name: the pointer is on BClose ($(pointer))" \
      test "$(pointer)" = "$((dcx + 256 + 49)) $((dcy + 200 + 44 + bottom))"
    [ -n "${VEXMOREL_DOCS_SHOTS:-}" ] && [ "$name" = twm ] && shoot settings-dialog.png
    # twm gives the keyboard to the window under the pointer.
    timeout 10 xdotool windowfocus --sync "$cid" >/dev/null 2>&1 || true
    xdotool key Return
    sleep 0.3
  fi
  if [ -n "${VEXMOREL_DOCS_SHOTS:-}" ] && [ "$name" = twm ]; then
    timeout 10 xdotool windowfocus --sync "$wid" >/dev/null 2>&1 || true
    xdotool key Return
    shoot main-window.png
  fi
  kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; app=
  stop_wm
  kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; xvfb=
  rm -f "$work/display"
}

run_under none
run_under twm

# Qt's own options are the program's arguments: -reverse lands in EFileName,
# left-aligned, and the window is not mirrored.
start_xvfb
timeout 60 "$work/bin/vexmorel" -reverse >"$work/app.log" 2>&1 &
app=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vexmorel$' | head -n1)
[ -n "$wid" ] || fail "no Vexmorel window for -reverse: $(cat "$work/app.log")"
sleep 0.5
read -r cx cy <<<"$(client "$wid")"
import -window root "$work/reverse.png"
# EFileName is 0, 32, 512 x 24 in PMain: its text's first 80 pixels.
dark=$(convert "$work/reverse.png" -crop "80x16+$((cx + 3))+$((cy + 36))" +repage \
  -colorspace gray -threshold 50% -format '%[fx:1-mean]' info:)
check "-reverse is argument 1: EFileName shows it from the left" \
  awk -v v="$dark" 'BEGIN { exit !(v > 0.02) }'
kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; app=

summary

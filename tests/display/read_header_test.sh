#!/bin/bash
# The real window under its own Xvfb: a Pic2 file named on the command line
# is read by a real Enter key press, and the screen then shows its header
# (the author field holds text, the state panel's caption has changed).
# Then Ctrl+F1 ends the program with exit code 0.
#
# Needs Xvfb, xdotool, xwininfo and ImageMagick. Every wait is bounded.
# Usage: read_header_test.sh PATH_TO_VEXMOREL
set -u
exe=$1
source "$(dirname "$0")/../check_lib.sh"

need Xvfb xdotool xwininfo import convert compare identify awk

start_xvfb

# A copy of the program beside a valid settings file, so that no settings
# message comes up first (the settings file lies beside the executable).
mkdir "$work/bin"
cp "$exe" "$work/bin/vexmorel"
printf '%s\r\n' title '' notes notes notes notes notes Taro folder "$work" aspect 1 1 '' \
  presets OFfSNDx label ASN label TX label '' >"$work/bin/vexmorel.cfg"

# The fixture: magic, author "Taro" padded with spaces, zeros to 200 bytes.
fixture="$work/taro.p2"
{ printf 'P2DT'; printf '%-18s' Taro; head -c 178 /dev/zero; } >"$fixture"

shot() { import -window root "$1"; }
# Share of the pixels in GEOMETRY (WxH+X+Y) darker than 30 % grey.
dark_share() { convert "$1" -crop "$2" +repage -colorspace gray -threshold 30% -format '%[fx:1-mean]' info:; }
positive() { awk -v v="$1" 'BEGIN { exit !(v > 0) }'; }
navy() { [ "$(convert "$1" -crop "$2" +repage -format '%[fx:mean.b>0.4 && mean.r<0.1 && mean.g<0.1]' info:)" = 1 ]; }
# Polls CONDITION (a command taking a fresh screenshot's path) for ten seconds.
wait_screen() {
  for _ in $(seq 50); do
    shot "$work/poll.png"
    "$@" "$work/poll.png" && return 0
    sleep 0.2
  done
  return 1
}

timeout 60 "$work/bin/vexmorel" "$fixture" >"$work/app.log" 2>&1 &
app=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vexmorel$' | head -n1)
[ -n "$wid" ] || fail "no Vexmorel window: $(cat "$work/app.log")"
info=$(xwininfo -id "$wid")
x=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")

# Regions inside the window, by the window definition: the state panel
# HeaderExist (368, 104, 137 x 32), a corner of its background, and the
# inside of the Author edit (GrHeader's 96, 24 in PHeader at 0, 64).
state="131x26+$((x + 371))+$((y + 107))"
state_corner="6x4+$((x + 370))+$((y + 106))"
author="185x16+$((x + 100))+$((y + 92))"

author_has_text() { positive "$(dark_share "$1" "$author")"; }
author_empty() { ! author_has_text "$1"; }
panel_painted() { navy "$1" "$state_corner"; }

wait_screen panel_painted || fail "the window was never painted"
shot "$work/before.png"
check "before reading, the author field is empty" author_empty "$work/before.png"

timeout 10 xdotool windowfocus --sync "$wid" || fail "the window cannot take the keyboard"

# The settings dialog, shown over the main window with Alt+Z, its corner on
# the main window's corner, closed again by Enter (its default button).
xdotool key alt+z
config=$(timeout 10 xdotool search --sync --onlyvisible --name '^Vexmorel Config$' | head -n1)
check "Alt+Z shows the settings dialog" test -n "$config"
if [ -n "$config" ]; then
  cinfo=$(xwininfo -id "$config")
  cx=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$cinfo")
  cy=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$cinfo")
  check "the settings dialog lies on the main window's corner" test "$cx,$cy" = "$x,$y"
  sleep 0.3
  shot "$work/settings.png"
  [ -n "${VEXMOREL_DISPLAY_SHOTS:-}" ] && cp "$work/settings.png" "$VEXMOREL_DISPLAY_SHOTS/"
  xdotool key Return
  gone() { ! xwininfo -id "$config" 2>/dev/null | grep -q IsViewable; }
  for _ in $(seq 50); do gone && break; sleep 0.1; done
  check "Enter closes the settings dialog" gone
  timeout 10 xdotool windowfocus --sync "$wid"
fi
xdotool key Return
check "after Enter, the author field shows text" wait_screen author_has_text
shot "$work/after.png"
changed=$(compare -metric AE "$work/before.png[$state]" "$work/after.png[$state]" null: 2>&1)
check "after Enter, the state panel's caption has changed" positive "${changed%% *}"

# The Write button (320, 1, 97 x 32): flat at rest, raised under the real
# pointer, sunken while the real left button is held; dragging out before
# releasing clicks nothing. Its outermost ring shows the outer bevel (white
# top edge when raised, grey when sunken) and the ring inside it the inner
# bevel, which takes the edge when the outer one is gone.
write_top="89x1+$((x + 324))+$((y + 1))"
write_ring2="89x1+$((x + 324))+$((y + 2))"
brightness() { convert "$1" -crop "$2" +repage -colorspace gray -format '%[fx:mean]' info:; }
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
xdotool mousemove $((x + 368)) $((y + 17))
sleep 0.4
shot "$work/hover.png"
xdotool mousedown 1
sleep 0.4
shot "$work/pressed.png"
xdotool mousemove $((x + 200)) $((y + 300))
sleep 0.2
xdotool mouseup 1
sleep 0.3
shot "$work/released.png"
hover=$(brightness "$work/hover.png" "$write_top")
pressed=$(brightness "$work/pressed.png" "$write_top")
check "under the pointer the Write button is raised (white top edge)" above "$hover" 0.9
check "while held the Write button is sunken (grey top edge)" above 0.6 "$pressed"
check "after the release it is flat again (navy inside the edge)" \
  above 0.2 "$(brightness "$work/released.png" "$write_ring2")"
check "releasing outside clicks nothing (no question came up)" \
  test -z "$(xdotool search --onlyvisible --name 'ヘッダの書込' 2>/dev/null)"
if [ -n "${VEXMOREL_DISPLAY_SHOTS:-}" ]; then
  cp "$work/hover.png" "$work/pressed.png" "$work/released.png" "$VEXMOREL_DISPLAY_SHOTS/"
fi

xdotool key ctrl+F1
wait "$app"
rc=$?
app=
check "Ctrl+F1 ends the program with exit code 0" test "$rc" = 0

summary

#!/bin/bash
# The real window under its own Xvfb: a Pic2 file named on the command line
# is read by a real Enter key press, and the screen then shows its header
# (the author field holds text, the state panel's caption has changed).
# Then Ctrl+F1 ends the program with exit code 0. A second run checks the
# screenshot mode: it saves the screen and ends the program by itself.
#
# Needs Xvfb, xdotool, xwininfo and ImageMagick. Every wait is bounded.
# Usage: read_header_test.sh PATH_TO_VEXMOREL
set -u
exe=$1
work=$(mktemp -d)
xvfb=
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

passed=0
failures=0
check() {  # check LABEL COMMAND...
  if "${@:2}"; then
    echo "ok: $1"
    passed=$((passed + 1))
  else
    echo "FAILED: $1"
    failures=$((failures + 1))
  fi
}
fail() { echo "FAILED: $*"; exit 1; }

for tool in Xvfb xdotool xwininfo import convert compare identify awk; do
  command -v "$tool" >/dev/null || fail "$tool is not installed"
done

# The server picks a free display itself and names it on fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

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
xdotool key Return
check "after Enter, the author field shows text" wait_screen author_has_text
shot "$work/after.png"
changed=$(compare -metric AE "$work/before.png[$state]" "$work/after.png[$state]" null: 2>&1)
check "after Enter, the state panel's caption has changed" positive "${changed%% *}"

xdotool key ctrl+F1
wait "$app"
rc=$?
app=
check "Ctrl+F1 ends the program with exit code 0" test "$rc" = 0

VEXMOREL_SCREENSHOT="$work/mode.png" VEXMOREL_SCREENSHOT_DELAY_MS=100 VEXMOREL_EXIT_AFTER_SCREENSHOT=1 \
  timeout 60 "$work/bin/vexmorel" "$fixture" >"$work/app.log" 2>&1
rc=$?
check "the screenshot mode ends the program with exit code 0" test "$rc" = 0
check "the screenshot mode saves the whole screen" \
  test "$(identify -format '%wx%h' "$work/mode.png" 2>/dev/null)" = 1280x1024

echo "$passed passed, $failures failed"
[ "$failures" = 0 ]

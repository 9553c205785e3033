#!/bin/bash
# Starting the real program where something it needs is missing: without a
# display it says so in one line and exits with status 1 (Qt alone would
# abort); without a font that has Japanese characters it warns at start.
# Usage: start_test.sh PATH_TO_VEXMOREL
set -u
exe=$1
source "$(dirname "$0")/../check_lib.sh"

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$exe" >"$work/out" 2>"$work/err"
rc=$?
check "no display: exit status 1" test "$rc" = 1
check "no display: one line on standard error" test "$(wc -l <"$work/err")" = 1
check "no display: the line says why" grep -q 'no display' "$work/err"
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9999 "$exe" >/dev/null 2>"$work/err"
check "a display that does not answer: exit status 1" test "$?" = 1

# A fontconfig that knows no font at all.
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>$work/nofonts</dir><cachedir>$work/cache</cachedir></fontconfig>
CONF
mkdir -p "$work/nofonts"
QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE="$work/fonts.conf" timeout 5 "$exe" >/dev/null 2>"$work/err"
check "no Japanese font: a warning at start" grep -q 'no font with Japanese characters' "$work/err"
QT_QPA_PLATFORM=offscreen timeout 5 "$exe" >/dev/null 2>"$work/err"
check "with the Japanese font: no such warning" bash -c "! grep -q 'no font with Japanese' '$work/err'"
summary

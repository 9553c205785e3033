#!/bin/bash
# Installs the build into a temporary prefix and checks it as a desktop uses
# it: the command is a relative symlink to the program, which has the built
# settings file beside it; the desktop entry passes desktop-file-validate
# and names a command and an icon that were installed; the icon renders; the
# MIME package, compiled by update-mime-database, makes GIO (what the file
# manager asks) see Pic2 files by their magic alone and by their name, and
# offers the entry as their default application; and the installed command,
# started under its own Xvfb with a Pic2 file, opens its main window with no
# settings message before it, then ends with exit code 0 on Ctrl+F1.
#
# Needs cmake, desktop-file-utils, shared-mime-info, gio (libglib2.0-bin),
# rsvg-convert (librsvg2-bin), Xvfb and xdotool. Every wait is bounded.
# Usage: install_test.sh BUILD_DIR BUILT_SETTINGS_FILE
set -u
build=$1
built_settings=$2
source "$(dirname "$0")/../check_lib.sh"
prefix="$work/prefix"

need cmake desktop-file-validate update-mime-database update-desktop-database \
  gio rsvg-convert Xvfb xdotool

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  fail "cmake --install: $(cat "$work/install.log")"

command="$prefix/bin/vexmorel"
program="$prefix/lib/vexmorel/vexmorel"
entry="$prefix/share/applications/vexmorel.desktop"
relative_link() { [ -L "$1" ] && [[ "$(readlink "$1")" != /* ]]; }
check "bin/vexmorel is a relative symlink" relative_link "$command"
check "it leads to the program in lib/vexmorel" test "$(realpath "$command")" = "$(realpath "$program")"
check "the program is executable" test -x "$program"
check "the built settings file lies beside the program" cmp -s "$built_settings" "$program.cfg"

quiet() { local out; out=$("$@" 2>&1) && [ -z "$out" ] || { echo "$out"; return 1; }; }
entry_value() { sed -n "s/^$1=//p" "$entry"; }
check "desktop-file-validate accepts the entry" quiet desktop-file-validate "$entry"
check "the entry's command was installed" test "$(entry_value Exec | cut -d' ' -f1)" = vexmorel
check "the entry's icon was installed" \
  test -f "$prefix/share/icons/hicolor/scalable/apps/$(entry_value Icon).svg"
check "the icon renders" rsvg-convert -o "$work/icon.png" "$prefix/share/icons/hicolor/scalable/apps/vexmorel.svg"

# What a session with this prefix on its search paths sees; the system's own
# types stay visible, so a clash with one of them would show.
desktop() {
  env LC_ALL=C PATH="$prefix/bin:$PATH" XDG_DATA_DIRS="$prefix/share:/usr/share" \
    XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" XDG_CONFIG_DIRS="$work/etc" "$@"
}
check "update-mime-database compiles the MIME package" quiet desktop update-mime-database "$prefix/share/mime"
check "update-desktop-database takes the entry" quiet desktop update-desktop-database "$prefix/share/applications"

content_type() { desktop gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }

# label | file name | first bytes (printf format; zeros follow to 200 bytes) | Pic2?
while IFS='|' read -r label name start expected; do
  file="$work/files/$name"
  mkdir -p "$work/files"
  { printf "$start"; head -c 200 /dev/zero; } | head -c 200 >"$file"
  type=$(content_type "$file")
  if [ "$expected" = yes ]; then
    check "$label: $type" test "$type" = image/x-pic2
  else
    check "$label: $type" test "$type" != image/x-pic2
  fi
done <<'CASES'
the magic alone, no extension|picture|P2DTTaro|yes
the name alone, no magic|zeros.p2|\0|yes
the magic one byte late|late| P2DT|no
a near miss of the magic|near|P2Dt|no
CASES

default_app() { desktop gio mime image/x-pic2 | sed -n 's/^Default application for .*: //p'; }
check "the entry opens Pic2 files" test "$(default_app)" = vexmorel.desktop

start_xvfb

fixture="$work/files/taro.p2"
{ printf 'P2DT'; printf '%-18s' Taro; head -c 178 /dev/zero; } >"$fixture"
(cd "$work" && exec timeout 60 "$command" "$fixture") >"$work/app.log" 2>&1 &
app=$!
# A settings fault shows its message before the main window, which then
# does not appear while the message is up.
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vexmorel$' | head -n1)
[ -n "$wid" ] || fail "no main window; windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null)"
windows=$(xdotool search --onlyvisible --name . getwindowname %@ | tr '\n' ' ')
check "the main window is the only window: $windows" test "$windows" = "Vexmorel "

timeout 10 xdotool windowfocus --sync "$wid" || fail "the window cannot take the keyboard"
xdotool key ctrl+F1
wait "$app"
rc=$?
app=
check "Ctrl+F1 ends the installed program with exit code 0" test "$rc" = 0

summary

#!/bin/bash
# Installs Vexmorel both ways a user can, and checks each as a desktop and a
# Debian system use it.
#
# From the build tree, into a temporary prefix: the command is a relative
# symlink to the program, which has the built settings file beside it; the
# desktop entry passes desktop-file-validate and names a command and an icon
# that were installed; the icon renders; the MIME package, compiled by
# update-mime-database, makes GIO (what the file manager asks) see Pic2 files
# by their magic alone and by their name, and offers the entry as their
# default application; and the installed command, started under its own Xvfb
# with a Pic2 file, opens its main window with no settings message before
# it, then ends with exit code 0 on Ctrl+F1.
#
# As the Debian package, built by scripts/package.sh from a clean clone of
# the committed HEAD: lintian finds nothing that the README's lintian
# section does not explain, the program is stripped with its debug symbols
# in vexmorel-dbgsym, the settings file is a conffile, the AppStream entry
# validates; installed with apt-get, the program started from another folder
# reads /etc/vexmorel/vexmorel.cfg (a broken one shows its message), an edit
# of that file survives a reinstall and a removal, and the purge leaves
# nothing behind. The package part installs into the system itself, so it
# needs root (or sudo without a password) and refuses to run while a
# vexmorel package that it did not install is there.
#
# Needs cmake, git, dpkg-dev, debhelper, lintian, appstream,
# desktop-file-utils, shared-mime-info, gio (libglib2.0-bin), rsvg-convert
# (librsvg2-bin), Xvfb and xdotool. Every wait is bounded.
# Usage: install_test.sh BUILD_DIR BUILT_SETTINGS_FILE SOURCE_DIR
set -u
build=$1
built_settings=$2
source_dir=$3
source "$(dirname "$0")/../check_lib.sh"
prefix="$work/prefix"

need cmake git dpkg-buildpackage dpkg-deb lintian appstreamcli apt-get file readelf man \
  desktop-file-validate update-mime-database update-desktop-database gio rsvg-convert \
  Xvfb xdotool flock

quiet() { local out; out=$("$@" 2>&1) && [ -z "$out" ] || { echo "$out"; return 1; }; }

# The fixture, named relative to the folder the program starts in: nothing
# is read before 読込, so the name only has to reach the file-name edit.
mkdir -p "$work/elsewhere"
{ printf 'P2DT'; printf '%-18s' Taro; head -c 178 /dev/zero; } >"$work/elsewhere/taro.p2"

# open_window COMMAND [error]: starts COMMAND from another folder with the
# fixture, as a user would; with "error", a settings message must come up
# first (it is answered with Enter). Then the main window must be the only
# window, and Ctrl+F1 must end the program with exit code 0.
open_window() {
  local command=$1 expect=${2:-} wid windows rc
  # A settings file of the user's own would be read instead of the one
  # under test, so the program gets an empty home.
  (cd "$work/elsewhere" && HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" \
    exec timeout 60 "$command" taro.p2) >"$work/app.log" 2>&1 &
  app=$!
  if [ "$expect" = error ]; then
    # A settings fault shows its message before the main window, which then
    # does not appear while the message is up.
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Error!$' | head -n1)
    if [ -z "$wid" ]; then
      echo "no settings message"; kill "$app"; wait "$app"; app=; return 1
    fi
    timeout 10 xdotool windowfocus --sync "$wid" && xdotool key Return
  fi
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vexmorel$' | head -n1)
  if [ -z "$wid" ]; then
    echo "no main window; windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null)"
    kill "$app"; wait "$app"; app=; return 1
  fi
  windows=$(xdotool search --onlyvisible --name . getwindowname %@ | tr '\n' ' ')
  if [ "$windows" != "Vexmorel " ]; then
    echo "windows besides the main window: $windows"; kill "$app"; wait "$app"; app=; return 1
  fi
  timeout 10 xdotool windowfocus --sync "$wid" || { kill "$app"; wait "$app"; app=; return 1; }
  xdotool key ctrl+F1
  wait "$app"
  rc=$?
  app=
  [ "$rc" = 0 ] || { echo "exit code $rc: $(cat "$work/app.log")"; return 1; }
}

start_xvfb

# ---- From the build tree ------------------------------------------------

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
check "the manual page was installed" test -s "$prefix/share/man/man1/vexmorel.1"

entry_value() { sed -n "s/^$1=//p" "$entry"; }
check "desktop-file-validate accepts the entry" quiet desktop-file-validate "$entry"
check "the entry's command was installed" test "$(entry_value Exec | cut -d' ' -f1)" = vexmorel
check "the entry's icon was installed" \
  test -f "$prefix/share/icons/hicolor/scalable/apps/$(entry_value Icon).svg"
check "the icon renders" rsvg-convert -o "$work/icon.png" "$prefix/share/icons/hicolor/scalable/apps/vexmorel.svg"
# Pedantic issues leave the exit code at 0, so their lines count too.
validates() {
  local out
  out=$(LC_ALL=C appstreamcli validate --no-net --pedantic --no-color "$@" 2>&1)
  [ $? = 0 ] && ! grep -q '^[EWIP]: ' <<<"$out" || { echo "$out"; return 1; }
}
check "appstreamcli validates the AppStream entry" validates "$prefix"/share/metainfo/*.metainfo.xml

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

check "the installed command opens its window with its settings found" open_window "$command"

# ---- The Debian package -------------------------------------------------

deb=$(bash "$source_dir/scripts/package.sh" "$work/deb" 2>"$work/package.log") ||
  fail "the package build: $(tail -n 40 "$work/package.log")"
dbgsym=$(ls "$work"/deb/vexmorel-dbgsym_*.deb 2>/dev/null)
changes=$(ls "$work"/deb/vexmorel_*.changes)
check "the package build made vexmorel-dbgsym" test -f "$dbgsym"

# Lintian on both packages; each tag it reports must be explained in the
# README's lintian section, and each override must carry a reason.
lintian --pedantic --display-info --display-experimental "$changes" >"$work/lintian.log" 2>"$work/lintian.err"
lintian_rc=$?
grep -v 'running with root privileges' "$work/lintian.err"
check "lintian ran (exit code $lintian_rc)" test "$lintian_rc" -le 1
explained=$(awk '/^#+ /{on = ($0 ~ /[Ll]intian/)} on' "$source_dir/README.md")
while read -r tag; do
  [ -n "$tag" ] || continue
  check "lintian's $tag is explained in the README" grep -qF "\`$tag\`" <<<"$explained"
done < <(sed -n 's/^[EWIPXC]: [^:]*: \([a-z0-9][a-z0-9+.-]*\).*/\1/p' "$work/lintian.log" | sort -u)
echo "lintian: $(wc -l <"$work/lintian.log") lines"; cat "$work/lintian.log"
reasoned() { awk '/^#/ {reason = 1; next} /^[[:space:]]*$/ {next} !reason {bad = 1} {reason = 0} END {exit bad}' "$1"; }
for overrides in "$source_dir"/debian/*lintian-overrides; do
  [ -e "$overrides" ] || continue
  check "every override in $(basename "$overrides") follows its reason" reasoned "$overrides"
done

mkdir -p "$work/pkg" "$work/pkg.control"
dpkg-deb -x "$deb" "$work/pkg"
dpkg-deb -e "$deb" "$work/pkg.control"
packaged="$work/pkg/usr/lib/vexmorel/vexmorel"
build_id=$(file -b "$packaged" | sed -n 's/.*BuildID\[sha1\]=\([0-9a-f]*\).*/\1/p')
check "the packaged program is stripped" grep -q ', stripped' <<<"$(file -b "$packaged")"
check "vexmorel-dbgsym holds its debug symbols" grep -q "usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug" \
  <<<"$(dpkg-deb -c "$dbgsym")"
check "the program is linked with immediate binding" grep -q 'BIND_NOW' <<<"$(readelf -d "$packaged")"
check "the settings file is the conffile /etc/vexmorel/vexmorel.cfg" \
  test "$(cat "$work/pkg.control/conffiles")" = /etc/vexmorel/vexmorel.cfg
check "beside the program is a symlink to it" \
  test "$(readlink "$work/pkg/usr/lib/vexmorel/vexmorel.cfg")" = /etc/vexmorel/vexmorel.cfg
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-ipafont-gothic qt6-translations-l10n libqt6widgets6; do
  check "the package depends on $needed" grep -q "\(^\|, \)$needed\( \|,\|$\)" <<<"$depends"
done
check "the packaged AppStream entry validates" validates "$work"/pkg/usr/share/metainfo/*.metainfo.xml
check "the manual page vexmorel(1) is in the package" test -s "$work/pkg/usr/share/man/man1/vexmorel.1.gz"

# Installing into the system: one test run at a time on the machine, and
# never over a vexmorel package that a person installed. A run that was
# killed before its purge leaves its marker, so the next one clears up.
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo -n"
$sudo true 2>/dev/null || fail "installing the package needs root or sudo without a password"
marker=/var/tmp/vexmorel-install-test.installed
exec 9>>/var/tmp/vexmorel-install-test.lock
flock -w 1200 9 || fail "another install test holds /var/tmp/vexmorel-install-test.lock"
status() { dpkg-query -W -f='${Status}' vexmorel 2>/dev/null; }
apt() {
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -y -q --no-install-recommends \
    -o DPkg::Lock::Timeout=300 "$@" </dev/null >>"$work/apt.log" 2>&1
}
not_known() { [ -z "$(status)" ] || [ "$(status)" = "unknown ok not-installed" ]; }
differs() { ! cmp -s "$1" "$2"; }
# A failure that ends the test early still takes the package away.
installed=
uninstall() { [ -z "$installed" ] || { apt purge vexmorel && $sudo rm -f "$marker"; }; }
trap 'uninstall; cleanup' EXIT
if ! not_known; then
  [ -e "$marker" ] || fail "a vexmorel package is installed ($(status)); remove it first"
  apt purge vexmorel || fail "purging the package an earlier run left: $(cat "$work/apt.log")"
fi
$sudo rm -f "$marker"
system_paths() { find /etc /usr /opt /var/lib -xdev -ipath '*vexmorel*' 2>/dev/null | sort; }
system_paths >"$work/paths.before"

$sudo touch "$marker"
installed=yes
check "apt-get installs the package" apt install "$deb"
check "dpkg has it installed" test "$(status)" = "install ok installed"
dpkg-query -L vexmorel >"$work/owned" 2>/dev/null
check "vexmorel is on PATH" test "$(command -v vexmorel)" = /usr/bin/vexmorel
check "man finds vexmorel(1)" test "$(man -w vexmorel 2>/dev/null)" = /usr/share/man/man1/vexmorel.1.gz

# The system's own MIME and desktop databases, which the triggers rebuilt.
system_desktop() {
  env LC_ALL=C XDG_DATA_DIRS=/usr/share XDG_DATA_HOME="$work/home/data" \
    XDG_CONFIG_HOME="$work/home/config" XDG_CONFIG_DIRS="$work/etc" "$@"
}
system_type() { system_desktop gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }
check "the system sees Pic2 files by their magic" test "$(system_type "$work/files/picture")" = image/x-pic2
check "and opens them with Vexmorel" \
  test "$(system_desktop gio mime image/x-pic2 | sed -n 's/^Default application for .*: //p')" = vexmorel.desktop

conffile=/etc/vexmorel/vexmorel.cfg
cp "$conffile" "$work/conffile.orig"
check "the installed program, started from another folder, finds its settings" open_window vexmorel

# A broken aspect line proves that this very file is what the program reads.
$sudo sed -i '12s/^.*\r$/100\r/' "$conffile"
check "a broken conffile gives its message first" open_window vexmorel error
$sudo cp "$work/conffile.orig" "$conffile"

$sudo sed -i '8s/^.*\r$/Hanako\r/' "$conffile"
cp "$conffile" "$work/conffile.edited"
check "the edit changed the conffile" differs "$work/conffile.orig" "$conffile"
check "apt-get reinstalls the package" apt install --reinstall "$deb"
check "the edit survived the reinstall" cmp -s "$work/conffile.edited" "$conffile"
check "the program still finds its settings" open_window vexmorel

check "apt-get removes the package" apt remove vexmorel
check "dpkg keeps only its configuration" test "$(status)" = "deinstall ok config-files"
check "the command is gone" test ! -e /usr/bin/vexmorel -a ! -L /usr/bin/vexmorel
check "the program's folder is gone" test ! -e /usr/lib/vexmorel
check "the edited conffile stays after a removal" cmp -s "$work/conffile.edited" "$conffile"

check "apt-get purges the package" apt purge vexmorel
check "dpkg no longer knows the package" not_known
not_known && installed= && $sudo rm -f "$marker"
check "the settings folder is gone" test ! -e /etc/vexmorel
# Every file the package owned is gone, and every folder that no other
# package owns.
left() {
  local path
  while read -r path; do
    [ "$path" = /. ] && continue
    if [ -d "$path" ] && [ ! -L "$path" ]; then
      dpkg-query -S "$path" >/dev/null 2>&1 || echo "$path"
    elif [ -e "$path" ] || [ -L "$path" ]; then
      echo "$path"
    fi
  done <"$work/owned"
}
check "nothing the package installed is left: $(left | tr '\n' ' ')" test -z "$(left)"
system_paths >"$work/paths.after"
check "no path naming vexmorel is left: $(comm -13 "$work/paths.before" "$work/paths.after" | tr '\n' ' ')" \
  cmp -s "$work/paths.before" "$work/paths.after"
check "the system no longer takes files for Pic2" test "$(system_type "$work/files/picture")" != image/x-pic2

if [ "$failures" != 0 ]; then
  echo "apt-get output:"; cat "$work/apt.log"
fi
summary

#!/bin/bash
# Installs the build into a temporary prefix and checks the command line as
# installed: bin/vexmorel-cli is a relative symlink to the program in
# lib/vexmorel/, which reads the settings file beside it (letter O takes its
# author) and finds its Japanese catalogue under share/locale.
# Usage: install_cli_test.sh BUILD_DIR
set -u
build=$1
source "$(dirname "$0")/../check_lib.sh"
prefix="$work/prefix"
need cmake localedef
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  fail "cmake --install: $(cat "$work/install.log")"

command="$prefix/bin/vexmorel-cli"
relative_link() { [ -L "$1" ] && [[ "$(readlink "$1")" != /* ]]; }
check "bin/vexmorel-cli is a relative symlink" relative_link "$command"
check "it leads to the program in lib/vexmorel" \
  test "$(realpath "$command")" = "$(realpath "$prefix/lib/vexmorel/vexmorel-cli")"
check "the Japanese catalogue is installed" \
  test -f "$prefix/share/locale/ja/LC_MESSAGES/vexmorel-cli.mo"

# A Pic2 file: the build's sample, whose author the letter O replaces with
# the installed settings' "Rumo".
cp "$build/sample.p2" "$work/a.p2"
export XDG_CONFIG_HOME="$work/config"
installed_author() {
  "$command" set --preset O "$work/a.p2" 2>/dev/null &&
    "$command" show --json "$work/a.p2" | grep -q '"author":"Rumo"'
}
check "the letter O takes the author of the settings beside the program" installed_author

mkdir -p "$work/locale"
localedef -i ja_JP -f UTF-8 "$work/locale/ja_JP.UTF-8" >/dev/null 2>&1
japanese() {
  LOCPATH="$work/locale" LC_ALL=ja_JP.UTF-8 "$command" show "$work/missing.p2" 2>&1 |
    grep -q "オブジェクトを開けません！"
}
check "the installed program speaks Japanese in a Japanese locale" japanese
summary

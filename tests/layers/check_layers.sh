#!/usr/bin/env bash
# The direction of use between the program's folders: each folder may
# include only the folders listed for it, so no two folders include each
# other and header/ stays a library of the header alone.
# Usage: check_layers.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 1
. tests/check_lib.sh

declare -A allowed=(
  [platform]="platform"
  [controls]="controls platform"
  [header]="header platform/os platform/text"
  [forms]="forms header platform"
  [settings]="settings header forms platform"
  [app]="app controls forms header settings platform"
  [tools/cli]="tools/cli header settings platform/os platform/text"
)
for folder in "${!allowed[@]}"; do
  # Each quoted include as FILE:TARGET.
  while IFS=: read -r file target; do
    ok=
    for prefix in ${allowed[$folder]}; do
      [[ "$target" == "$prefix"/* ]] && ok=1
    done
    [ -n "$ok" ] || { echo "$file includes $target"; failures=$((failures + 1)); }
  done < <(grep -rE '^#include "' "$folder" --include='*.h' --include='*.cpp' |
             sed -E 's/^([^:]*):#include "([^"]*)".*/\1:\2/')
  passed=$((passed + 1))
done
summary

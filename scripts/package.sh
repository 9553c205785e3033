#!/usr/bin/env bash
# Builds the Debian packages vexmorel and vexmorel-dbgsym from a clean clone
# of the committed HEAD (uncommitted changes are left out, as a release
# would leave them) with `dpkg-buildpackage -us -uc -b`, into OUT_DIR
# (default build-deb/), and prints the path of the vexmorel package. The
# build log is OUT_DIR/build.log.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$here/build-deb}")"
bash "$here/scripts/install-deps.sh"

head=$(git -C "$here" rev-parse HEAD)
rm -rf "$out"
mkdir -p "$out"
git clone --quiet "$here" "$out/vexmorel"
git -C "$out/vexmorel" checkout --quiet --detach "$head"
(cd "$out/vexmorel" &&
  DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-parallel=2}" nice dpkg-buildpackage -us -uc -b) \
  >"$out/build.log" 2>&1 || { tail -n 40 "$out/build.log" >&2; exit 1; }
rm -rf "$out/vexmorel"
version=$(dpkg-parsechangelog -l "$here/debian/changelog" -S Version)
ls "$out/vexmorel_${version}_"*.deb

#!/usr/bin/env bash
# Installs what building, running and testing Vexmorel needs on Debian 12,
# and nothing when it is all there already. Uses sudo when not root.
set -euo pipefail

packages=(
  g++ make cmake pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libbenchmark-dev libx11-dev libxcb1-dev
  clang-14 libclang-rt-14-dev
  fonts-ipafont-gothic fontconfig qt6-translations-l10n
  xvfb xauth x11-utils xdotool imagemagick twm xfonts-base xfonts-75dpi
  desktop-file-utils shared-mime-info libglib2.0-bin librsvg2-bin
  dpkg-dev file strace
  git build-essential debhelper lintian appstream
  gettext locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}" >&2
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2

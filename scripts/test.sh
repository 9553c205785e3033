#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test through CTest.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
bash "$here/scripts/install-deps.sh"
bash "$here/scripts/build.sh"
ctest --test-dir "$build" --output-on-failure -j2

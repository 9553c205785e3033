#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test through CTest; then
# runs them all again under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan, without the Qt window), and each fuzz target for a short,
# bounded run (build-fuzz, Clang). The build folders can be moved with
# BUILD_DIR, ASAN_BUILD_DIR and FUZZ_BUILD_DIR.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build}"
asan="${ASAN_BUILD_DIR:-$here/build-asan}"
fuzz="${FUZZ_BUILD_DIR:-$here/build-fuzz}"
bash "$here/scripts/install-deps.sh"
bash "$here/scripts/build.sh"
ctest --test-dir "$build" --output-on-failure -j2

cmake -S "$here" -B "$asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXMOREL_SANITIZE=ON \
  -DVEXMOREL_QT=OFF >/dev/null
cmake --build "$asan" -j2
ctest --test-dir "$asan" --output-on-failure -j2

cmake -S "$here" -B "$fuzz" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVEXMOREL_FUZZ=ON -DVEXMOREL_QT=OFF -DVEXMOREL_TESTS=OFF >/dev/null
cmake --build "$fuzz" -j2 --target vexmorel_fuzzers
ctest --test-dir "$fuzz" -L fuzz --output-on-failure -j2

#!/usr/bin/env bash
# One bounded run of a fuzz target: FUZZER SEEDS [libFuzzer options...].
# The fuzzer adds what it finds to the first corpus folder it is given, so
# that is a fresh folder of its own; the seeds stay as make_seeds.sh wrote
# them.
set -euo pipefail
fuzzer="$1"
seeds="$2"
shift 2
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$fuzzer" "$work" "$seeds" "$@"

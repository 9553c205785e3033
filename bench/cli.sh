#!/usr/bin/env bash
# Times vexmorel-cli over 1,000, 10,000 and 100,000 Pic2 files beside the
# floor of the same file work done with bare system calls
# (vexmorel-cli-floor) and beside exiftool doing its nearest work, all on the
# same files in one run, and prints a Markdown table.
#
#   bash bench/cli.sh [BUILD_DIR]        COUNTS="1000 10000 100000" RUNS=3
#
# Rows: show --json; set with a change (the author flips between two
# values, so every file is written); set with no change (the same value
# again); and the same two set rows and show with --jobs. The floors: show
# and set-with-no-change open, read 120 bytes, fstat and close; set with a
# change also writes 120 bytes, fsyncs, closes and sets the file time.
# exiftool reads the file date (-FileModifyDate) and sets it, with -ext '*'
# as it does not know ".p2". Each figure is the best of RUNS wall-clock
# times (exiftool and the 100,000-file writes: one run), per file. Needs
# exiftool (Debian's libimage-exiftool-perl). The files lie in WORK_DIR,
# /var/tmp by default, on the disk, so that fsync costs what it costs
# there; WORK_DIR=/dev/shm (memory, where fsync costs nothing) shows what
# the program itself costs beside the floor.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
cli="$build/vexmorel-cli"
floor="$build/bench/vexmorel-cli-floor"
counts="${COUNTS:-1000 10000 100000}"
runs="${RUNS:-3}"
jobs="${JOBS:-8}"
command -v exiftool >/dev/null || { echo "needs exiftool: apt-get install libimage-exiftool-perl" >&2; exit 1; }
[ -x "$cli" ] && [ -x "$floor" ] || { echo "build first: $cli, $floor" >&2; exit 1; }
work=$(mktemp -d "${WORK_DIR:-/var/tmp}/vexmorel-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Best wall time of N runs of a command, in nanoseconds.
best_of() {
  local n=$1 best= start end t
  shift
  for _ in $(seq "$n"); do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    t=$((end - start))
    if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
  done
  echo "$best"
}

# Microseconds per file, with one decimal.
per_file() { awk -v ns="$1" -v n="$2" 'BEGIN { printf "%.1f", ns / n / 1000 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# The author last set, kept in a file: best_of runs in a subshell.
echo A >"$work/author"
cli_set_change() {  # flips the author, so each run writes every file
  local author
  author=$([ "$(cat "$work/author")" = A ] && echo B || echo A)
  echo "$author" >"$work/author"
  "$cli" set -r "$@" --author "$author" "$dir"
}

echo "| files | operation | vexmorel-cli µs/file | floor µs/file | × floor | exiftool µs/file | exiftool ÷ cli |"
echo "|---:|---|---:|---:|---:|---:|---:|"
for n in $counts; do
  dir="$work/$n"
  "$floor" make "$n" "$dir" "$build/sample.p2"
  sync
  slow=$runs
  [ "$n" -ge 100000 ] && slow=1
  "$floor" show "$dir"  # warm the cache

  cli_show=$(best_of "$runs" "$cli" show --json -r "$dir")
  floor_show=$(best_of "$runs" "$floor" show "$dir")
  exif_show=$(best_of 1 exiftool -q -q -ext '*' -json -FileModifyDate -r "$dir")
  echo "| $n | show --json | $(per_file "$cli_show" "$n") | $(per_file "$floor_show" "$n") | $(ratio "$cli_show" "$floor_show") | $(per_file "$exif_show" "$n") | $(ratio "$exif_show" "$cli_show") |"

  cli_jshow=$(best_of "$runs" "$cli" show --json --jobs 2 -r "$dir")
  echo "| $n | show --json --jobs 2 | $(per_file "$cli_jshow" "$n") | $(per_file "$floor_show" "$n") | $(ratio "$cli_jshow" "$floor_show") | | |"

  cli_change=$(best_of "$slow" cli_set_change)
  floor_change=$(best_of "$slow" "$floor" set "$dir")
  exif_set=$(best_of 1 exiftool -q -q -ext '*' '-FileModifyDate=2001:02:03 04:05:06' -r "$dir")
  echo "| $n | set, a change | $(per_file "$cli_change" "$n") | $(per_file "$floor_change" "$n") | $(ratio "$cli_change" "$floor_change") | $(per_file "$exif_set" "$n") | $(ratio "$exif_set" "$cli_change") |"

  cli_jchange=$(best_of "$slow" cli_set_change --jobs "$jobs")
  echo "| $n | set, a change, --jobs $jobs | $(per_file "$cli_jchange" "$n") | $(per_file "$floor_change" "$n") | $(ratio "$cli_jchange" "$floor_change") | | |"

  author=$(cat "$work/author")
  cli_same=$(best_of "$runs" "$cli" set -r --author "$author" "$dir")
  echo "| $n | set, no change | $(per_file "$cli_same" "$n") | $(per_file "$floor_show" "$n") | $(ratio "$cli_same" "$floor_show") | | |"
  cli_jsame=$(best_of "$runs" "$cli" set -r --jobs 2 --author "$author" "$dir")
  echo "| $n | set, no change, --jobs 2 | $(per_file "$cli_jsame" "$n") | $(per_file "$floor_show" "$n") | $(ratio "$cli_jsame" "$floor_show") | | |"
  rm -rf "$dir"
done

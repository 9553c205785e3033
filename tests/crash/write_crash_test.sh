#!/usr/bin/env bash
# A write killed at every system call of its path: the driver writes a header
# under strace, which delivers SIGKILL at the Nth call of one system call, for
# each call the write makes in turn. After every kill the file must hold
# exactly the old or exactly the new 120 bytes, everything after them as it
# was, and a file whose bytes changed must not carry its old last-write time.
# Usage: write_crash_test.sh DRIVE SAMPLE SETTINGS
set -uo pipefail
drive=$1 sample=$2 settings=$3
. "$(dirname "$0")/../check_lib.sh"
need strace cmp stat
# LeakSanitizer cannot run under a tracer; the sanitizer build runs this too.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

old_time="2015-06-01 12:00:00.123456789"
cp "$settings" "$work/vexmorel.cfg"
fresh() {
  "$sample" "$work/a.p2" >/dev/null || fail "the sample could not be made"
  touch -m -d "$old_time" "$work/a.p2"
}
# `run "true"` marks where the write begins: its fork and wait are the last
# calls before the key that writes.
cat >"$work/script" <<SCRIPT
exe "$work/vexmorel"
arg "$work/a.p2"
env TZ "UTC"
start
key Enter
type Author "Changed"
answer yes
answer no
run "true"
key Ctrl+S
SCRIPT

fresh
cp -p "$work/a.p2" "$work/old.p2"
old_mtime=$(stat -c %y "$work/old.p2")
strace -qq -o "$work/ref.trace" "$drive" "$work/script" >/dev/null || fail "the reference run failed"
cp "$work/a.p2" "$work/new.p2"
cmp -s "$work/old.p2" "$work/new.p2" && fail "the reference run wrote nothing"

# Each call after the marker's wait4, as NAME and its ordinal among the calls
# of that name in the whole run.
awk '
  { name = $0; sub(/\(.*/, "", name); if (name !~ /^[a-z0-9_]+$/) next
    n[name]++; calls[NR] = name " " n[name] }
  name == "wait4" { start = NR }
  END { for (i = start + 1; i <= NR; i++) if (i in calls) print calls[i] }
' "$work/ref.trace" >"$work/calls"
count=$(wc -l <"$work/calls")
[ "$count" -gt 5 ] || fail "the write path was not found in the trace ($count calls)"
grep -q '^fsync ' "$work/calls" || fail "no fsync among the calls after the marker"

while read -r name nth; do
  fresh
  # The shell's own report of the kill goes with the group's stderr.
  status=$({ strace -qq -o /dev/null -e inject="$name":signal=KILL:when="$nth" "$drive" \
    "$work/script" >/dev/null; echo $?; } 2>/dev/null)
  check "killed at $name #$nth" [ "$status" -eq 137 ]
  head_now=$(head -c 120 "$work/a.p2" | od -An -tx1)
  state=torn
  [ "$head_now" = "$(head -c 120 "$work/old.p2" | od -An -tx1)" ] && state=old
  [ "$head_now" = "$(head -c 120 "$work/new.p2" | od -An -tx1)" ] && state=new
  check "killed at $name #$nth: the header is whole ($state)" [ "$state" != torn ]
  check "killed at $name #$nth: nothing after the header changed" \
    cmp -s -i 120 "$work/a.p2" "$work/old.p2"
  if [ "$state" = new ]; then
    check "killed at $name #$nth: the changed file has a new time" \
      [ "$(stat -c %y "$work/a.p2")" != "$old_mtime" ]
  fi
done <"$work/calls"
echo "$count system calls of the write path"
summary

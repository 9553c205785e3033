# Shared by the shell tests: a work folder removed on exit together with the
# program and the X server they started, labelled checks with a closing
# count line, and an Xvfb of their own on a display it picks itself.
# Source it; then set `app` to a started program's pid so it is stopped.
work=$(mktemp -d)
xvfb=
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

passed=0
failures=0
check() {  # check LABEL COMMAND...
  if "${@:2}"; then
    echo "ok: $1"
    passed=$((passed + 1))
  else
    echo "FAILED: $1"
    failures=$((failures + 1))
  fi
}
fail() { echo "FAILED: $*"; exit 1; }
need() { for tool in "$@"; do command -v "$tool" >/dev/null || fail "$tool is not installed"; done; }
# The closing line and the exit status.
summary() {
  echo "$passed passed, $failures failed"
  [ "$failures" = 0 ]
}

# The server picks a free display itself and names it on fd 3.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n1 "$work/display")"
}

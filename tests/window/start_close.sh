#!/bin/sh
# The real program under Xvfb: its window appears with a 640 x 480 client area, and closing it
# the way a window manager does ends the program cleanly within 3 s (a sanitized build is slow to leave).
# Usage: start_close.sh BRELLON [XCLOSE]. XCLOSE defaults to brellon-xclose beside BRELLON and is
# compiled from xclose.cpp into a temporary folder when it is not there.
set -u
brellon=$1
xclose=${2:-$(dirname "$brellon")/brellon-xclose}
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
xvfb_pid="" game_pid=""

cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

fail() {
  echo "start_close: $*" >&2
  [ -s "$tmp/game.log" ] && sed 's/^/  brellon: /' "$tmp/game.log" >&2
  exit 1
}

# Sleeps a tenth of a second at a time until the command succeeds, at most $1 tenths.
retry() {
  tries=$1
  shift
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -le 0 ] && return 1
    sleep 0.1
  done
}

if [ ! -x "$xclose" ]; then
  xclose=$tmp/xclose
  ${CXX:-c++} -std=c++20 -O1 -o "$xclose" "$here/xclose.cpp" -lX11 || fail "cannot build xclose"
fi

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
retry 50 test -s "$tmp/display" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
DISPLAY=:$(head -n 1 "$tmp/display")
export DISPLAY

# Under LeakSanitizer: D-Bus, which SDL's video start-up opens and never shuts, keeps a buffer
# to the end. Only that library is excused.
printf 'leak:libdbus-1.so\n' >"$tmp/lsan.supp"
LSAN_OPTIONS="suppressions=$tmp/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
  SDL_AUDIODRIVER=dummy "$brellon" >"$tmp/game.log" 2>&1 &
game_pid=$!

find_window() {
  wid=$(xdotool search --onlyvisible --name '^Brellon$' 2>/dev/null | head -n 1)
  [ -n "$wid" ]
}
retry 100 find_window || fail "no visible window named Brellon"

xwininfo -id "$wid" >"$tmp/info" || fail "xwininfo failed"
width=$(sed -n 's/^ *Width: *//p' "$tmp/info")
height=$(sed -n 's/^ *Height: *//p' "$tmp/info")
[ "$width" = 640 ] && [ "$height" = 480 ] || fail "client area ${width} x ${height}, not 640 x 480"

"$xclose" "$wid" || fail "cannot send WM_DELETE_WINDOW"
gone() { ! kill -0 "$game_pid" 2>/dev/null; }
retry 30 gone || fail "still running 3 s after its window was closed"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "exited with status $status"
exit 0

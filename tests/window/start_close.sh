#!/bin/sh
# The real program under Xvfb: its window appears with a 640 x 480 client area, and closing it
# the way a window manager does ends the program cleanly within 3 s (a sanitized build is slow
# to leave). Usage: start_close.sh BRELLON XCLOSE
BRELLON=$1 XCLOSE=$2
. "$(dirname "$0")/lib/session"
start_xvfb
start_game
xwininfo -id "$wid" >"$tmp/info" || fail "xwininfo failed"
width=$(sed -n 's/^ *Width: *//p' "$tmp/info")
height=$(sed -n 's/^ *Height: *//p' "$tmp/info")
[ "$width" = 640 ] && [ "$height" = 480 ] || fail "client area ${width} x ${height}, not 640 x 480"
close_game
exit 0

#!/bin/sh
# The real program played with the mouse as a person would, checked by screenshots at known
# pixels: VS -> two boxers -> ENTER -> the ring view 2 s later, with the opening gong in the
# sound output; then STORY -> ENTER -> the first stage's pre-match screen -> its bout.
# Usage: play.sh BRELLON XCLOSE
BRELLON=$1 XCLOSE=$2
. "$(dirname "$0")/lib/session"
start_xvfb

# Sound through SDL's disk driver: 16-bit stereo at 44.1 kHz, written at about real-time speed.
audio=$tmp/audio.raw
SDL_AUDIODRIVER=disk start_game SDL_DISKAUDIOFILE="$audio"
[ "$(xdotool getwindowname "$wid")" = Brellon ] || fail "the caption is not Brellon"
wait_for_title

click 317 348                      # VS
click 412 340                      # Nurume Sayo for the player
click 408 411                      # CP
click 220 372                      # Ebisawa Kino for the CP
click 316 412                      # ENTER
entered=$(stat -c %s "$audio" 2>/dev/null || echo 0)
expect_pixel 284 280 "#0000FF" 50  # position strip: the player on cell 2
expect_pixel 200 50 "#D4D0C8" 5    # the picture frame is empty during the lead-in
expect_pixel 356 280 "#FF0000" 5   # the CP on cell 4
expect_pixel 20 36 "#0000FF" 5     # the blue panel
expect_pixel 620 36 "#FF0000" 5    # the red panel
expect_pixel 200 50 "#000080" 30   # the ring view comes up 2 s after ENTER
sleep 1

# Before ENTER the game was silent; from the bout start on, the gong is in the output.
bytes_per_s=176400
start=$((entered + 15 * bytes_per_s / 10))
loud=$(tail -c +"$((start + 1))" "$audio" | head -c "$((2 * bytes_per_s))" | od -An -v -td2 -w2 |
  awk '{ v = $1 < 0 ? -$1 : $1; if (v > 1000) n++ } END { print n + 0 }')
quiet=$(head -c "$entered" "$audio" | od -An -v -td2 -w2 |
  awk '{ v = $1 < 0 ? -$1 : $1; if (v > 1000) n++ } END { print n + 0 }')
[ "$loud" -gt 1000 ] || fail "no gong in the sound output after the bout start ($loud loud samples)"
[ "$quiet" -eq 0 ] || fail "sound before the bout ($quiet loud samples)"
close_game

start_game
wait_for_title
click 317 324                      # STORY
click 357 356                      # ENTER on the edit screen
expect_pixel 220 12 "#D4D0C8" 20   # the STORY MODE bar of the pre-match screen
expect_pixel 284 280 "#0000FF" 50  # 3 s later the bout screen
expect_pixel 620 36 "#FF0000" 5
close_game
exit 0

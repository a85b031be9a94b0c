#!/bin/sh
# make bench: every figure side by side with its baseline in the same run, medians of several
# runs, on a private Xvfb. Usage: bench/run.sh BUILD_DIR
set -u
bin=$(cd "${1:-build/default}/bin" && pwd)
tmp=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
xvfb_pid=$!
while [ ! -s "$tmp/display" ]; do sleep 0.1; done
DISPLAY=:$(head -n 1 "$tmp/display")
# No sound card here: the dummy driver still runs the mixer and the synthesiser in real time.
SDL_AUDIODRIVER=dummy
export DISPLAY SDL_AUDIODRIVER
cd "$tmp"

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
now_ms() { date +%s%N | awk '{ printf "%.1f", $1 / 1000000 }'; }
value() { sed -n "s/^$1 //p" "$2"; }

# Start-up to the first frame: the game and the floor, one after the other, eleven times each.
: >"$tmp/game_start" && : >"$tmp/floor_start" && : >"$tmp/floor_rss"
for i in 1 2 3 4 5 6 7 8 9 10 11; do
  t0=$(now_ms); "$bin/brellon-bench-window" startup >/dev/null 2>&1; t1=$(now_ms)
  "$bin/brellon-bench-minimal" >"$tmp/floor.out" 2>/dev/null; t2=$(now_ms)
  echo "$t1 $t0" | awk '{ print $1 - $2 }' >>"$tmp/game_start"
  echo "$t2 $t1" | awk '{ print $1 - $2 }' >>"$tmp/floor_start"
  value peak_rss_kb "$tmp/floor.out" >>"$tmp/floor_rss"
done
game_start=$(median <"$tmp/game_start")
floor_start=$(median <"$tmp/floor_start")
floor_rss=$(median <"$tmp/floor_rss")

# A bout in the real window, three times: memory at its start, then 10 s with no input.
for f in peak_rss_kb bout_cpu_percent timer_late_p50_ms timer_late_p99_ms click_frame_max_ms; do
  : >"$tmp/$f"
done
for i in 1 2 3; do
  "$bin/brellon-bench-window" bout >"$tmp/bout.out" 2>/dev/null
  for f in peak_rss_kb bout_cpu_percent timer_late_p50_ms timer_late_p99_ms click_frame_max_ms; do
    value $f "$tmp/bout.out" >>"$tmp/$f"
  done
done
rss=$(median <"$tmp/peak_rss_kb")
cpu=$(median <"$tmp/bout_cpu_percent")
p50=$(median <"$tmp/timer_late_p50_ms")
p99=$(median <"$tmp/timer_late_p99_ms")
click=$(median <"$tmp/click_frame_max_ms")

"$bin/brellon-bench" --benchmark_format=csv >"$tmp/engine.csv" 2>/dev/null
# CSV columns: name, iterations, real time, CPU time, unit, ..., then the counters bouts/s and
# events/bout (fields 11 and 12).
bouts=$(awk -F, '/^"BM_HeadlessBouts/ { printf "%.0f", $11 }' "$tmp/engine.csv")
frame_us=$(awk -F, '/^"BM_SoftwareBoutFrame/ { printf "%.0f", $3 }' "$tmp/engine.csv")

verdict() { if awk "BEGIN { exit !($1) }"; then echo met; else echo MISSED; fi; }
printf '%-58s %-24s %-12s %s\n' figure value goal result
printf '%-58s %-24s %-12s %s\n' "start-up to the first title frame (ms, median of 11)" \
  "$game_start (floor $floor_start)" "<= 1.3 x" \
  "$(verdict "$game_start <= 1.3 * $floor_start") ($(echo "$game_start $floor_start" | awk '{ printf "%.2f x", $1 / $2 }'))"
printf '%-58s %-24s %-12s %s\n' "peak resident memory at the first bout's start (kB)" \
  "$rss (floor $floor_rss)" "<= 1.25 x" \
  "$(verdict "$rss <= 1.25 * $floor_rss") ($(echo "$rss $floor_rss" | awk '{ printf "%.2f x", $1 / $2 }'))"
printf '%-58s %-24s %-12s %s\n' "CPU during 10 s of a bout with no input (% of a core)" "$cpu" \
  "< 1" "$(verdict "$cpu < 1")"
printf '%-58s %-24s %-12s %s\n' "timer lateness on the real clock, p50 / p99 (ms)" "$p50 / $p99" \
  "p99 <= 2" "$(verdict "$p99 <= 2")"
printf '%-58s %-24s %-12s %s\n' "click to the next presented frame, worst of 40 (ms)" "$click" \
  "<= 16.7" "$(verdict "$click <= 16.7")"
printf '%-58s %-24s %-12s %s\n' "headless bouts per second" "$bouts" ">= 10000" \
  "$(verdict "$bouts >= 10000")"
printf '%-58s %-24s %-12s %s\n' "one full bout-screen frame in software (us)" "$frame_us" \
  "<= 2000" "$(verdict "$frame_us <= 2000")"

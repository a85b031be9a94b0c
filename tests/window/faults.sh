#!/bin/sh
# Every fault of the game's files and devices, one case a line: each picture missing, truncated
# or not a picture is a named start-up error with exit status 1; each sound missing or not a
# sound is reported once and the game goes on; no audio device or no SoundFont means silence,
# said once; no display is a clear one-line error. Usage: faults.sh BRELLON XCLOSE
set -u
bin=$(cd "$(dirname "$1")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0 cases=0
bad() { echo "faults: $*" >&2; failures=$((failures + 1)); }

# A copy of the program's folder in which one file is broken.
fresh() {
  rm -rf "$tmp/bin"
  mkdir -p "$tmp/bin"
  cp -r "$bin/pics" "$bin/sound" "$tmp/bin/"
  cp "$bin/brellon" "$bin/brellon-drive" "$tmp/bin/"
}
break_file() {  # how file
  case $1 in
    missing) rm -f "$2" ;;
    truncated) head -c "$(($(stat -c %s "$2") / 2))" "$2" >"$2.half" && mv "$2.half" "$2" ;;
    garbage) printf 'this is not a picture or a sound\n' >"$2" ;;
  esac
}

for pic in title ending chr_0 chr_1 chr_2 chr_3 chr_4 chr_5 chr_6 chr_7 \
  waza_0 waza_1 waza_2 waza_3 ring_0 ring_1 ring_2 ring_3; do
  for how in missing truncated garbage; do
    cases=$((cases + 1))
    fresh
    break_file $how "$tmp/bin/pics/$pic.png"
    (cd / && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 20 "$tmp/bin/brellon") \
      >"$tmp/out" 2>"$tmp/err"
    status=$?
    [ $status -eq 1 ] || bad "$pic.png $how: exit status $status, not 1"
    grep -q "pics/$pic.png" "$tmp/err" || bad "$pic.png $how: the error does not name the file"
    # Libraries may add lines of their own (libpng does); ours is the one "brellon:" line.
    [ "$(grep -c '^brellon:' "$tmp/err")" -eq 1 ] || bad "$pic.png $how: not one line: $(cat "$tmp/err")"
  done
done

# Two VS bouts (every effect opened twice, and the bout music) and the last story bout.
vs_bouts='click Form3.Btn_vs
click Form2.Button2
click Form2.Spb_cp
click Form2.Button3
click Form2.Btn_enter
wait 2000
set Form1.hp[1] 1
rng 0 99 99 0 0 99
wait 3000
click Form1.Lbl_tgt_1
wait 8000
click Form2.Button2
click Form2.Spb_cp
click Form2.Button3
click Form2.Btn_enter
wait 3000
get Form1.Lbl_msg_1.caption'
last_story='click Form3.Btn_story
click Form4.Btn_enter
set Form5.stage 5
wait 5000
get Form1.bgm_b'
for sound in gong gong_2 hit damage guard move_1 move_2 down brelo brelo_B; do
  ext=wav script=$vs_bouts expected='Ｆ　Ｉ　Ｇ　Ｈ　Ｔ　！'
  case $sound in brelo*) ext=mid ;; esac
  [ $sound = brelo_B ] && script=$last_story expected=1
  for how in missing garbage; do
    cases=$((cases + 1))
    fresh
    break_file $how "$tmp/bin/sound/$sound.$ext"
    printf '%s\n' "$script" >"$tmp/script"
    (cd / && SDL_AUDIODRIVER=dummy timeout 20 "$tmp/bin/brellon-drive" --audio sdl "$tmp/script") \
      >"$tmp/out" 2>"$tmp/err"
    status=$?
    [ $status -eq 0 ] || bad "$sound.$ext $how: exit status $status: $(cat "$tmp/out")"
    [ "$(tail -n 1 "$tmp/out")" = "$expected" ] || bad "$sound.$ext $how: the game did not go on"
    grep '^brellon:' "$tmp/err" >"$tmp/err.ours"
    [ "$(grep -c "sound/$sound.$ext" "$tmp/err.ours")" -eq 1 ] ||
      bad "$sound.$ext $how: not reported exactly once: $(cat "$tmp/err.ours")"
    [ "$(wc -l <"$tmp/err.ours")" -eq 1 ] || bad "$sound.$ext $how: more said: $(cat "$tmp/err.ours")"
  done
done

cases=$((cases + 1))
fresh
printf '%s\n' "$vs_bouts" >"$tmp/script"
(cd / && SDL_AUDIODRIVER=no-such-driver timeout 20 "$tmp/bin/brellon-drive" --audio sdl \
  "$tmp/script") >"$tmp/out" 2>"$tmp/err"
status=$?
[ $status -eq 0 ] || bad "no audio device: exit status $status"
[ "$(grep -c 'no sound' "$tmp/err")" -eq 1 ] || bad "no audio device: not said once: $(cat "$tmp/err")"

# No SoundFont: hidden by an empty folder over the system's sound folder, in a mount namespace
# of this test's own (root only; elsewhere the case is skipped and said so).
cases=$((cases + 1))
printf '%s\n' "$vs_bouts" >"$tmp/script"
if unshare -m sh -c 'mount -t tmpfs none /usr/share/sounds' 2>/dev/null; then
  (cd / && unshare -m sh -c 'mount -t tmpfs none /usr/share/sounds &&
    SDL_AUDIODRIVER=dummy timeout 20 "$0" --audio sdl "$1"' "$tmp/bin/brellon-drive" \
    "$tmp/script") >"$tmp/out" 2>"$tmp/err"
  status=$?
  [ $status -eq 0 ] || bad "no SoundFont: exit status $status"
  [ "$(tail -n 1 "$tmp/out")" = 'Ｆ　Ｉ　Ｇ　Ｈ　Ｔ　！' ] || bad "no SoundFont: the game did not go on"
  [ "$(grep -c '^brellon:.*music' "$tmp/err")" -eq 1 ] ||
    bad "no SoundFont: not said once: $(cat "$tmp/err")"
else
  echo "faults: no SoundFont: skipped (no mount namespace here)"
fi

cases=$((cases + 1))
(cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy \
  timeout 20 "$bin/brellon") >"$tmp/out" 2>"$tmp/err"
status=$?
[ $status -eq 1 ] || bad "no display: exit status $status, not 1"
[ "$(grep -c '^brellon:' "$tmp/err")" -eq 1 ] || bad "no display: not one line: $(cat "$tmp/err")"

echo "faults: $cases cases, $failures failed"
[ $failures -eq 0 ]

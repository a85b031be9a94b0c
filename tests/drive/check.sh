#!/bin/sh
# Runs a driver script and compares its answers with the golden file beside it. The text after
# "error:" is free, so only the word itself is compared there.
set -u
drive=$1 script=$2
expected=${script%.drive}.expected
seed=$(sed -n 's/^# seed: *//p' "$script" | head -n 1)
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
"$drive" ${seed:+--seed "$seed"} "$script" > "$actual" 2>/dev/null
normalise() { sed 's/^error:.*/error:/' "$1"; }
if normalise "$expected" | diff -u - "$(normalise "$actual" > "$actual.n"; echo "$actual.n")"; then
  rm -f "$actual.n"
  exit 0
fi
rm -f "$actual.n"
exit 1

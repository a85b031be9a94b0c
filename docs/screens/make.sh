#!/bin/sh
# Takes the screenshots of docs/screens with the driver and shrinks them to half size.
# Usage: docs/screens/make.sh [path of brellon-drive]
set -eu
drive=$(realpath "${1:-build/default/bin/brellon-drive}")
cd "$(dirname "$0")"
"$drive" screens.drive
for f in *.png; do convert "$f" -resize 50% "$f"; done

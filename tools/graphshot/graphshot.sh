#!/usr/bin/env bash
# Takes the flight graph's screenshots under a private Xvfb display.
#   tools/graphshot/graphshot.sh OUTDIR [DISPLAY_NUMBER] [ROWS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
out="${1:?usage: graphshot.sh OUTDIR [DISPLAY_NUMBER] [ROWS]}"
display="${2:-99}"
cmake --build "$root/build" --target kestrix-graphshot >/dev/null
Xvfb ":$display" -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
sleep 1
DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$root/build/bin/kestrix-graphshot" "$out" "${3:-200}"

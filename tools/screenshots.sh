#!/usr/bin/env bash
# Refreshes the README's picture of the main window (docs/mainwindow.png) from synthetic
# flights, drawn on a virtual X display (xvfb-run) or, without one, off screen.
#   tools/screenshots.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
cmake --build "$build" --target kestrix-screenshot
mkdir -p "$root/docs"
out="$root/docs/mainwindow.png"
shot=("$build/bin/kestrix-screenshot" --out "$out.tmp" --size 1400x800)
if command -v xvfb-run >/dev/null 2>&1; then
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1600x1000x24" "${shot[@]}"
else
    QT_QPA_PLATFORM=offscreen "${shot[@]}"
fi
# Fewer colours keep the picture small; the window has few of them anyway.
if command -v convert >/dev/null 2>&1; then
    convert "$out.tmp" -colors 128 -strip "PNG8:$out.tmp"
fi
mv "$out.tmp" "$out"
echo "wrote $out ($(stat -c %s "$out") bytes)"

#!/usr/bin/env bash
# Refreshes the README's pictures of the main window (docs/mainwindow.png) and of the flight
# graph (docs/graph.png) from synthetic flights, drawn on a virtual X display (xvfb-run) or,
# without one, off screen.
#   tools/screenshots.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
cmake --build "$build" --target kestrix-screenshot kestrix-graphshot
mkdir -p "$root/docs"
run() {
    if command -v xvfb-run >/dev/null 2>&1; then
        QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1600x1000x24" "$@"
    else
        QT_QPA_PLATFORM=offscreen "$@"
    fi
}
# Fewer colours keep a picture small; the windows have few of them anyway.
store() {
    if command -v convert >/dev/null 2>&1; then
        convert "$1" -colors 128 -strip "PNG8:$1"
    fi
    mv "$1" "$2"
    echo "wrote $2 ($(stat -c %s "$2") bytes)"
}
out="$root/docs/mainwindow.png"
run "$build/bin/kestrix-screenshot" --out "$out.tmp" --size 1400x800
store "$out.tmp" "$out"
# The graph's driver also writes the WGS 84 view, the bubbles and the menus for review.
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
run "$build/bin/kestrix-graphshot" "$shots"
store "$shots/graph-metric.png" "$root/docs/graph.png"

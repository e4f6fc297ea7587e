#!/usr/bin/env bash
# Refreshes the README's pictures of the main window (docs/mainwindow.png), of the flight
# graph (docs/graph.png), of a block beside its graph (docs/flyview.png, only on a virtual
# X display), of a run (docs/run-progress.png, docs/run-report.png) and of the pairing check
# (docs/pairing.png) from synthetic flights, drawn on a virtual X display (xvfb-run) or, without
# one, off screen.
#   tools/screenshots.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
cmake --build "$build" --target kestrix-screenshot kestrix-graphshot kestrix-runshot \
    kestrix-pairingshot
mkdir -p "$root/docs"
run() {
    if command -v xvfb-run >/dev/null 2>&1; then
        QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 ${SCREEN:-1600x1000}x24" "$@"
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
# Two windows side by side, grabbed from the screen: only a real (virtual) display has one.
if command -v xvfb-run >/dev/null 2>&1; then
    SCREEN=2000x1000 run "$build/bin/kestrix-screenshot" --out "$shots/main.png" --size 1100x780 \
        --fly-view "$shots/flyview.png"
    store "$shots/flyview.png" "$root/docs/flyview.png"
fi
# A run: while it goes, and after one in which a photo vanished (the error list over the window).
run "$build/bin/kestrix-runshot" "$shots"
store "$shots/run-progress.png" "$root/docs/run-progress.png"
store "$shots/run-report.png" "$root/docs/run-report.png"
# The pairing check: the dialog over the block (the driver also writes the menu, the removal and
# the question before a run for review).
run "$build/bin/kestrix-pairingshot" "$shots"
store "$shots/pairing.png" "$root/docs/pairing.png"

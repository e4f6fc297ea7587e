#!/usr/bin/env bash
# Refreshes every picture the README shows, from synthetic flights:
#   docs/mainwindow.png                        the main window with two blocks
#   docs/import-dialog.png                     the timemark import dialog, an RTKLIB file in degrees
#   docs/viewer.png                            the photo viewer
#   docs/graph.png                             the flight graph
#   docs/settings.png, docs/settings-antenna.png   both tabs of the settings dialog
#   docs/run-progress.png                      a run
#   docs/pairing.png                           the pairing check
#
#   tools/screenshots.sh [BUILD_DIR]           (default build/)
#
# The windows are drawn on a virtual X display: KESTRIX_DISPLAY=N uses :N (starting Xvfb there
# when nothing serves it yet), otherwise xvfb-run picks a free one. With KESTRIX_TESTDATA=DIR
# the import dialog and the viewer show the real samples in DIR (pos/demo5_b34f_f.pos,
# photos/H20N_DJI_0006_R.JPG) instead. Each picture is cut down to 256 colours and must stay
# under 300 kB.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
root="$KESTRIX_ROOT"
build="$(cd "${1:-$root/build}" && pwd)"
screen="1920x1200x24"

xvfb=""
if [ -z "${KESTRIX_SHOTS_ON_X:-}" ]; then
    kestrix_install_packages xvfb imagemagick
    cmake --build "$build" --target kestrix-synth kestrix-screenshot kestrix-graphshot \
        kestrix-runshot kestrix-pairingshot kestrix-dialog-shots
    if [ -z "${KESTRIX_DISPLAY:-}" ]; then
        KESTRIX_SHOTS_ON_X=1 exec xvfb-run -a -s "-screen 0 $screen" "$0" "$build"
    fi
    export DISPLAY=":$KESTRIX_DISPLAY"
    kestrix_start_xvfb "$KESTRIX_DISPLAY" "$screen"
    xvfb="$KESTRIX_XVFB_PID"
fi
export QT_QPA_PLATFORM=xcb
# The drivers' own messages go to stderr; the program's log would drown them.
export QT_LOGGING_RULES="*=false"
bin="$build/bin"
docs="$root/docs"
mkdir -p "$docs"
shots="$(mktemp -d)"
# The same folder on every refresh, so the paths a picture shows stay the same.
demo="${TMPDIR:-/tmp}/kestrix-demo"
trap 'rm -rf "$shots" "$demo"; [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true' EXIT

# A few colours keep a picture small; the windows have few of them anyway.
store() { # picture docs-name
    convert "$1" +dither -colors 256 -strip "PNG8:$docs/$2"
    local size
    size="$(stat -c %s "$docs/$2")"
    echo "wrote docs/$2 ($size bytes)"
    if [ "$size" -gt 300000 ]; then
        echo "docs/$2 is larger than 300 kB" >&2
        exit 1
    fi
}

"$bin/kestrix-screenshot" --out "$shots/main.png" --size 1400x800
store "$shots/main.png" mainwindow.png
# The graph's driver also writes the WGS 84 view, the bubbles and the menus for review.
"$bin/kestrix-graphshot" "$shots"
store "$shots/graph-metric.png" graph.png
# The run held at photo 17 of 40 (the driver also writes its end, a report and the close).
"$bin/kestrix-runshot" "$shots"
store "$shots/run-progress.png" run-progress.png
# The dialog over the block (the driver also writes the menu, the removal and the question
# before a run for review).
"$bin/kestrix-pairingshot" "$shots"
store "$shots/pairing.png" pairing.png

"$bin/kestrix-dialog-shots" settings "$shots/settings.png" "$shots/settings-antenna.png"
store "$shots/settings.png" settings.png
store "$shots/settings-antenna.png" settings-antenna.png

if [ -n "${KESTRIX_TESTDATA:-}" ]; then
    timemarks="$KESTRIX_TESTDATA/pos/demo5_b34f_f.pos"
    photo="$KESTRIX_TESTDATA/photos/H20N_DJI_0006_R.JPG"
else
    flight="$demo/Survey 2024-05-17/flight-1"
    rm -rf "$demo"
    "$bin/kestrix-synth" --out "$flight" --count 20 --size 640x480 --format pos --degrees \
        >/dev/null
    timemarks="$flight/timemarks.pos"
    photo="$flight/photos/DJI_0001.JPG"
fi
for file in "$timemarks" "$photo"; do
    [ -f "$file" ] || { echo "missing: $file" >&2; exit 1; }
done
"$bin/kestrix-dialog-shots" import "$timemarks" "$shots/import-dialog.png"
store "$shots/import-dialog.png" import-dialog.png
"$bin/kestrix-dialog-shots" viewer "$photo" "$shots/viewer.png"
store "$shots/viewer.png" viewer.png

#!/usr/bin/env bash
# Pictures of the timemark import dialog and the photo viewer for the README, taken under Xvfb
# with the real-world samples: an RTKLIB solution and a DJI photo.
#   tools/screenshots-dialogs.sh [DISPLAY_NUMBER]     (default 99)
# Needs the build in build/ and the samples in ../shared/testdata (or KESTRIX_TESTDATA=DIR).
# Writes docs/import-dialog.png and docs/viewer.png, each kept below 300 kB.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
display=":${1:-99}"
data="${KESTRIX_TESTDATA:-$root/../shared/testdata}"
for sample in "$data/pos/demo5_b34f_f.pos" "$data/photos/H20N_DJI_0006_R.JPG"; do
    [ -f "$sample" ] || { echo "missing sample: $sample" >&2; exit 1; }
done
cmake --build "$root/build" --target kestrix-dialog-shots >/dev/null

# When the display is already served (a developer's own Xvfb) this one exits and that one is used.
Xvfb "$display" -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

mkdir -p "$root/docs"
shoot() { # what sample picture
    DISPLAY="$display" "$root/build/bin/kestrix-dialog-shots" "$1" "$2" "$3" 2>/dev/null
    if [ "$(stat -c %s "$3")" -gt 300000 ]; then
        # A photo makes the picture large; 256 colours keep it sharp enough for a README.
        convert "$3" -colors 256 "PNG8:$3"
    fi
    echo "$3: $(stat -c %s "$3") bytes"
}
shoot import "$data/pos/demo5_b34f_f.pos" "$root/docs/import-dialog.png"
shoot viewer "$data/photos/H20N_DJI_0006_R.JPG" "$root/docs/viewer.png"

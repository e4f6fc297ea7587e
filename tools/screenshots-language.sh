#!/usr/bin/env bash
# Pictures of every window, menu and question in one language, to review a catalogue: no text
# left in English, none cut off. Taken under Xvfb into OUTDIR (default /tmp/kestrix-shots-CODE).
#   tools/screenshots-language.sh CODE [OUTDIR] [DISPLAY_NUMBER]     e.g. de, ru, en
# The language is set in a settings store of its own; the user's settings are not touched.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
code="${1:?usage: tools/screenshots-language.sh CODE [OUTDIR] [DISPLAY_NUMBER]}"
out="${2:-/tmp/kestrix-shots-$code}"
display=":${3:-98}"
cmake --build "$root/build" --target kestrix-languageshots >/dev/null

# When the display is already served (a developer's own Xvfb) this one exits and that one is used.
Xvfb "$display" -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

rm -rf "$out"
DISPLAY="$display" QT_QPA_PLATFORM=xcb "$root/build/bin/kestrix-languageshots" --language "$code" \
    "$out" 2>/dev/null

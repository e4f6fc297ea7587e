#!/usr/bin/env bash
# Pictures of every window, menu and question in one language, to review a catalogue: no text
# left in English, none cut off. Taken under Xvfb into OUTDIR (default /tmp/kestrix-shots-CODE).
#   tools/screenshots-language.sh CODE [OUTDIR] [DISPLAY_NUMBER]     e.g. de, ru, en
# The language is set in a settings store of its own; the user's settings are not touched.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
root="$KESTRIX_ROOT"
code="${1:?usage: tools/screenshots-language.sh CODE [OUTDIR] [DISPLAY_NUMBER]}"
out="${2:-/tmp/kestrix-shots-$code}"
display="${3:-98}"
cmake --build "$root/build" --target kestrix-languageshots >/dev/null

kestrix_start_xvfb "$display" 1600x1000x24
xvfb="$KESTRIX_XVFB_PID"
trap '[ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true' EXIT

rm -rf "$out"
DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$root/build/bin/kestrix-languageshots" --language "$code" \
    "$out" 2>/dev/null

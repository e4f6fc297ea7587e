#!/usr/bin/env bash
# Makes the Debian package from a finished build tree (nothing is built again) and checks its
# file list, its control fields and the desktop files inside it.
#   tools/check-deb.sh BUILD_DIR VERSION
# Exit 77 (a skipped test) when the Debian packaging tools are missing.
set -euo pipefail
build="$(cd "$1" && pwd)"
version="$2"
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done

work="$build/package-check"
rm -rf "$work"
mkdir -p "$work"
if ! (cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1); then
    cat "$work/cpack.log"
    exit 1
fi
deb="$work/kestrix_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "FAIL: $deb was not made"; ls "$work"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

files="$(dpkg-deb -c "$deb" | awk '{print $6}')"
expected=(./usr/bin/kestrix ./usr/bin/kestrix-cli
    ./usr/share/applications/example.orvanta.kestrix.desktop
    ./usr/share/metainfo/example.orvanta.kestrix.metainfo.xml
    ./usr/share/icons/hicolor/scalable/apps/kestrix.svg
    ./usr/share/kestrix/translations/translations.conf
    ./usr/share/kestrix/translations/en.qm)
for size in 16 24 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/kestrix.png")
done
for code in de ru; do
    expected+=("./usr/share/kestrix/translations/$code.qm" "./usr/share/kestrix/translations/$code.png")
done
for file in "${expected[@]}"; do
    grep -qxF "$file" <<<"$files" || fail "missing $file"
done
# Everything lives under /usr: nothing of the build tree or of /usr/local leaks in.
stray="$(grep -v -e '^\./$' -e '^\./usr/' <<<"$files" || true)"
[ -z "$stray" ] || fail "files outside /usr: $stray"
grep -q '^\./usr/local' <<<"$files" && fail "files under /usr/local"

[ "$(dpkg-deb -f "$deb" Package)" = kestrix ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version is not $version"
depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libc6 libqt5core5a libqt5gui5 libqt5widgets5 libqt5svg5 libexiv2-27 libproj25; do
    grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/example.orvanta.kestrix.desktop"
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
[ -x "$root/usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not an installed program"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
[ -f "$root/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "no 48x48 icon for Icon=$icon"
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$root/usr/share/metainfo/example.orvanta.kestrix.metainfo.xml" \
        || fail "appstreamcli validate"
fi
# The stripped command-line program still runs.
[ "$("$root/usr/bin/kestrix-cli" --version)" = "Kestrix $version" ] || fail "kestrix-cli --version"

[ "$failures" -eq 0 ] || exit 1
echo "OK: $deb"
echo "Depends: $depends"

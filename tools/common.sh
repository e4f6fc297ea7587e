# Shared by run.sh and test.sh: install what the build needs, then configure and build.
set -euo pipefail

KESTRIX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KESTRIX_PACKAGES=(cmake g++ make pkg-config qtbase5-dev qttools5-dev-tools qttools5-dev
    libqt5svg5-dev libqcustomplot-dev libexiv2-dev exiv2 libproj-dev proj-data proj-bin
    libimage-exiftool-perl fonts-font-awesome fonts-open-sans xvfb qttranslations5-l10n
    librsvg2-bin dpkg-dev appstream desktop-file-utils)

kestrix_install_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local cmd="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y ${missing[*]}"
    echo "Installing missing packages: ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then
        bash -c "$cmd"
    elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        sudo bash -c "$cmd"
    elif command -v sudo >/dev/null 2>&1 && [ -t 0 ]; then
        sudo bash -c "$cmd"
    else
        echo "Cannot install packages without root. Run this first:" >&2
        echo "  sudo bash -c '$cmd'" >&2
        exit 1
    fi
}

# kestrix_build BUILD_DIR [extra cmake args...]
kestrix_build() {
    local dir="$1"
    shift
    local jobs
    jobs="$(nproc 2>/dev/null || echo 2)"
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        # ccache is optional; with it, rebuilds in several checkouts of the tree share objects.
        local launcher=()
        command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        cmake -S "$KESTRIX_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@"
    elif [ $# -gt 0 ]; then
        cmake "$dir" "$@" >/dev/null
    fi
    cmake --build "$dir" -j "$jobs"
}

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

# kestrix_start_xvfb NUMBER SCREEN      e.g. kestrix_start_xvfb 23 1600x1000x24
# Serves display :NUMBER with Xvfb unless a living server holds it already (a developer's own
# Xvfb, used as it is), and waits until it takes clients. KESTRIX_XVFB_PID is the server started
# here, for the caller to kill when done, or empty when none was.
kestrix_start_xvfb() {
    local socket="/tmp/.X11-unix/X$1" holder
    KESTRIX_XVFB_PID=""
    holder="$(tr -d ' ' 2>/dev/null <"/tmp/.X$1-lock" || true)"
    if [ -n "$holder" ] && [ -d "/proc/$holder" ] && [ -S "$socket" ]; then
        return 0
    fi
    # A socket left by a server that is gone would pass for the new one's below.
    rm -f "$socket" 2>/dev/null || true
    kestrix_install_packages xvfb
    Xvfb ":$1" -screen 0 "$2" -nolisten tcp >/dev/null 2>&1 &
    KESTRIX_XVFB_PID=$!
    for _ in $(seq 50); do
        [ -S "$socket" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on :$1" >&2
    kill "$KESTRIX_XVFB_PID" 2>/dev/null || true
    KESTRIX_XVFB_PID=""
    return 1
}

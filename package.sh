#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package build/kestrix_<version>_<arch>.deb.
# Install it with: sudo apt install ./build/kestrix_*.deb
source "$(dirname "${BASH_SOURCE[0]}")/tools/common.sh"
kestrix_install_packages "${KESTRIX_PACKAGES[@]}"
kestrix_build "$KESTRIX_ROOT/build"
cd "$KESTRIX_ROOT/build"
cpack -G DEB

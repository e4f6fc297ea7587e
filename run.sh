#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kestrix. "./run.sh --cli ARGS" runs kestrix-cli.
source "$(dirname "${BASH_SOURCE[0]}")/tools/common.sh"
kestrix_install_packages "${KESTRIX_PACKAGES[@]}"
kestrix_build "$KESTRIX_ROOT/build"
if [ "${1:-}" = "--cli" ]; then
    shift
    exec "$KESTRIX_ROOT/build/bin/kestrix-cli" "$@"
fi
exec "$KESTRIX_ROOT/build/bin/kestrix" "$@"

#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
#   ./test.sh                     Release build in build/, every test
#   ./test.sh --sanitize=address  AddressSanitizer + UBSan build in build-asan/
#   ./test.sh --sanitize=thread   ThreadSanitizer build in build-tsan/
#   ./test.sh ... -L core         extra arguments go to ctest (here: core tests only)
source "$(dirname "${BASH_SOURCE[0]}")/tools/common.sh"
build="$KESTRIX_ROOT/build"
cmake_args=()
ctest_args=()
for arg in "$@"; do
    case "$arg" in
        --sanitize=address) build="$KESTRIX_ROOT/build-asan"; cmake_args+=(-DKESTRIX_SANITIZE=address -DKESTRIX_BENCH=OFF) ;;
        --sanitize=thread) build="$KESTRIX_ROOT/build-tsan"; cmake_args+=(-DKESTRIX_SANITIZE=thread -DKESTRIX_BENCH=OFF) ;;
        --sanitize=*) echo "unknown sanitizer: $arg" >&2; exit 2 ;;
        *) ctest_args+=("$arg") ;;
    esac
done
kestrix_install_packages "${KESTRIX_PACKAGES[@]}" clang
kestrix_build "$build" "${cmake_args[@]}"
export QT_QPA_PLATFORM=offscreen
# Qt is built without frame pointers: only the slow unwinder sees far enough for suppressions.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$KESTRIX_ROOT/tools/lsan.supp}"
export TSAN_OPTIONS="${TSAN_OPTIONS:-suppressions=$KESTRIX_ROOT/tools/tsan.supp:halt_on_error=1}"
cd "$build"
status=0
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" "${ctest_args[@]}" || status=$?
exit $status

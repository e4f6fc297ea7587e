#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
#   ./test.sh                     Release build in build/, every test
#   ./test.sh --sanitize=address  AddressSanitizer + UBSan + LeakSanitizer build in build-asan/,
#                                 without the widgets (add --with-gui for them too)
#   ./test.sh --sanitize=thread   ThreadSanitizer build in build-tsan/
#   ./test.sh ... -L core         extra arguments go to ctest (here: core tests only)
source "$(dirname "${BASH_SOURCE[0]}")/tools/common.sh"
build="$KESTRIX_ROOT/build"
cmake_args=()
ctest_args=()
sanitize=""
gui=""
for arg in "$@"; do
    case "$arg" in
        --sanitize=address) sanitize=address; build="$KESTRIX_ROOT/build-asan" ;;
        --sanitize=thread) sanitize=thread; build="$KESTRIX_ROOT/build-tsan" ;;
        --sanitize=*) echo "unknown sanitizer: $arg" >&2; exit 2 ;;
        --with-gui) gui=ON ;;
        *) ctest_args+=("$arg") ;;
    esac
done
if [ -n "$sanitize" ]; then
    # The address build is what CI runs; the widgets add build time and no core coverage there.
    [ -z "$gui" ] && [ "$sanitize" = address ] && gui=OFF
    cmake_args+=(-DKESTRIX_SANITIZE="$sanitize" -DKESTRIX_BENCH=OFF -DKESTRIX_GUI="${gui:-ON}")
fi
kestrix_install_packages "${KESTRIX_PACKAGES[@]}" clang
kestrix_build "$build" "${cmake_args[@]}"
export QT_QPA_PLATFORM=offscreen
# The options reach the kestrix-cli processes the CLI tests start, so they are checked too.
# The fast unwinder stays on: the slow one makes every allocation some twenty times dearer, and
# the first frames it does see are enough for the suppressions.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$KESTRIX_ROOT/tools/lsan.supp:print_suppressions=0}"
export TSAN_OPTIONS="${TSAN_OPTIONS:-suppressions=$KESTRIX_ROOT/tools/tsan.supp:halt_on_error=1:second_deadlock_stack=1}"
cd "$build"
status=0
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" "${ctest_args[@]}" || status=$?
exit $status

#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer + UBSan) into fuzz/build and runs
# each one for SECONDS, one after the other, on a corpus under fuzz/corpus/ that starts from
# generated seeds and the real samples of ../shared/testdata (when present).
#   fuzz/run.sh SECONDS [TARGET...]     TARGET: timemarks photo geotag (default: all)
# A crash, hang (10 s), leak or broken promise stops that target; the input is written to
# fuzz/build/artifacts/<target>/ and the script ends with status 1 after the other targets.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
seconds="${1:-}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: fuzz/run.sh SECONDS [timemarks|photo|geotag ...]" >&2
    exit 2
fi
shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(timemarks photo geotag)

build="$here/build"
corpus="$here/corpus"
testdata="$root/../shared/testdata"
jobs="$(nproc 2>/dev/null || echo 2)"

if [ ! -f "$build/CMakeCache.txt" ]; then
    CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++
fi
cmake --build "$build" -j "$jobs"

export LC_ALL=C.UTF-8
# The fast unwinder on purpose: the slow one (which test.sh needs to see through Qt's frames)
# costs a second per run of a long timemark file, a hundred times the run itself.
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/tools/lsan.supp}"

"$build/fuzz_seeds" "$corpus" "$testdata"

status=0
for target in "${targets[@]}"; do
    case "$target" in
        timemarks) max_len=16384 dict="$here/timemarks.dict" ;;
        photo | geotag) max_len=131072 dict="$here/photo.dict" ;;
        *) echo "unknown target: $target" >&2; exit 2 ;;
    esac
    mkdir -p "$build/artifacts/$target" "$build/logs"
    echo "== fuzz_$target for $seconds s, corpus $corpus/$target"
    if ! "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len="$max_len" -dict="$dict" -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target/" "$corpus/$target" \
        >"$build/logs/$target.log" 2>&1; then
        status=1
        echo "fuzz_$target found a problem; see $build/logs/$target.log" >&2
    fi
    grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb|Done [0-9]+ runs)' \
        "$build/logs/$target.log" || true
    echo "corpus: $(find "$corpus/$target" -type f | wc -l) inputs"
done
exit $status

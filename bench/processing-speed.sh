#!/usr/bin/env bash
# Processing speed of a full run, side by side with `cp -r` and exiftool on the same photos.
#
# Goals: kestrix-cli takes at most 1.3 times as long as `cp -r` of the photos, and exiftool
# writing the same 13 tags into copies takes at least 10 times as long as kestrix-cli.
# exiftool is timed two ways: one process for all photos (its batch mode, the fastest way to
# use it) and one process per photo (how a script calling it for each photo runs it).
#
# How to run (from anywhere; the script builds nothing):
#   cmake -S . -B build -DCMAKE_BUILD_TYPE=Release && cmake --build build -j2
#   bench/processing-speed.sh [--dir PARENT] [--count N] [--repeat N] [--size WxH]
#                             [--build BUILD_DIR]
#
#   --dir PARENT   where the scratch folder is made (default: $TMPDIR or /tmp); sources and
#                  every copy live in it, so all three contenders write to the same disk
#   --count N      photos in the flight (default 40)
#   --repeat N     rounds; each figure is the median of them (default 3)
#   --size WxH     photo size (default 5472x3648, about 10 MB each at quality 90)
#   --build DIR    build folder holding bin/kestrix-cli and bin/kestrix-synth (default build/
#                  of this repository)
#   --keep         leave the scratch folder in place to look at the copies
#
# Needs exiftool on PATH, about 5 x count x 10 MB free on the disk of PARENT, and a quiet
# machine: the load average is printed before and after, figures under load are not worth much.
# Nothing is dropped from the caches; the sources are read once before the first round so
# every contender starts from the same warm cache, and `sync` (untimed) runs before each timed
# command so nobody pays for the write-back of the one before. The scratch folder is removed
# at the end, also on Ctrl-C (unless --keep).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$here/../build"
parent="${TMPDIR:-/tmp}"
count=40
repeat=3
size=5472x3648
keep=0

usage() {
    sed -n '2,/^set -euo/p' "${BASH_SOURCE[0]}" | sed '$d' | sed 's/^# \{0,1\}//'
}

while [[ $# -gt 0 ]]; do
    case "$1" in
    --dir) parent="$2"; shift 2 ;;
    --count) count="$2"; shift 2 ;;
    --repeat) repeat="$2"; shift 2 ;;
    --size) size="$2"; shift 2 ;;
    --build) build="$2"; shift 2 ;;
    --keep) keep=1; shift ;;
    -h | --help) usage; exit 0 ;;
    *) echo "unknown argument: $1 (see --help)" >&2; exit 2 ;;
    esac
done

cli="$build/bin/kestrix-cli"
synth="$build/bin/kestrix-synth"
for tool in "$cli" "$synth"; do
    if [[ ! -x "$tool" ]]; then
        echo "$tool not found: build the project first (see --help)" >&2
        exit 2
    fi
done
if ! command -v exiftool > /dev/null; then
    echo "exiftool not found on PATH" >&2
    exit 2
fi
if ! [[ "$count" =~ ^[1-9][0-9]*$ && "$repeat" =~ ^[1-9][0-9]*$ ]]; then
    echo "--count and --repeat take positive whole numbers" >&2
    exit 2
fi

work="$(mktemp -d "$parent/kestrix-speed.XXXXXX")"
cleanup() {
    if [[ $keep -eq 1 ]]; then
        echo "scratch folder kept: $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The run must not depend on the settings of whoever runs the benchmark.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export QT_QPA_PLATFORM=offscreen

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)  ($(nproc) cores)"
echo "scratch folder: $work ($(df -h --output=source,fstype "$work" | tail -1 | tr -s ' '))"

echo "generating $count photos of $size ..."
t0=$EPOCHREALTIME
"$synth" --out "$work/flight" --count "$count" --size "$size" --quality 90 --noise > /dev/null
photos="$work/flight/photos"
marks="$work/flight/timemarks.csv"
bytes=$(du -sb "$photos" | cut -f1)
printf 'generated in %.1f s: %d photos, %.1f MB in all, %.1f MB each\n' \
    "$(echo "$EPOCHREALTIME - $t0" | bc)" "$count" "$(echo "$bytes / 1000000" | bc -l)" \
    "$(echo "$bytes / $count / 1000000" | bc -l)"

# exiftool knows the drone-dji namespace since 11.x; an older one gets it from a config.
exifconfig=()
if ! exiftool -listw -XMP-drone-dji:all 2> /dev/null | grep -qw RtkStdHgt; then
    cat > "$work/drone-dji.config" << 'EOF'
%Image::ExifTool::UserDefined = (
    'Image::ExifTool::XMP::Main' => {
        'drone-dji' => { SubDirectory => { TagTable => 'Image::ExifTool::UserDefined::dronedji' } },
    },
);
%Image::ExifTool::UserDefined::dronedji = (
    GROUPS => { 0 => 'XMP', 1 => 'XMP-drone-dji', 2 => 'Location' },
    NAMESPACE => { 'drone-dji' => 'http://www.dji.com/drone-dji/1.0/' },
    WRITABLE => 'string',
    RtkFlag => { },
    RtkStdLon => { Writable => 'real' },
    RtkStdLat => { Writable => 'real' },
    RtkStdHgt => { Writable => 'real' },
    GpsLatitude => { Writable => 'real' },
    GpsLongtitude => { Writable => 'real' },
    AbsoluteAltitude => { Writable => 'real' },
);
1;
EOF
    exifconfig=(-config "$work/drone-dji.config")
fi

# One exiftool process, one command per photo: the 13 tags kestrix writes, values varying
# per photo as a flight's would, into a copy in the target folder. The same commands, one
# argument file per photo, serve the process-per-photo way.
argfile="$work/exiftool.args"
mkdir "$work/exiftool-args"
: > "$argfile"
i=0
for src in "$photos"/*.JPG; do
    lat=$(printf '%.9f' "$(echo "54.1 + $i * 0.00009" | bc -l)")
    single="$work/exiftool-args/$(basename "$src").args"
    {
        echo "-EXIF:GPSLatitude=$lat"
        echo "-EXIF:GPSLatitudeRef=N"
        echo "-EXIF:GPSLongitude=27.000000000"
        echo "-EXIF:GPSLongitudeRef=E"
        echo "-EXIF:GPSAltitude=$((100 + i % 7)).12345"
        echo "-EXIF:GPSAltitudeRef=0"
        echo "-XMP-drone-dji:RtkFlag=50"
        echo "-XMP-drone-dji:RtkStdLon=0.012"
        echo "-XMP-drone-dji:RtkStdLat=0.010"
        echo "-XMP-drone-dji:RtkStdHgt=0.025"
        echo "-XMP-drone-dji:GpsLatitude=$lat"
        echo "-XMP-drone-dji:GpsLongtitude=27.000000000"
        echo "-XMP-drone-dji:AbsoluteAltitude=$((100 + i % 7)).123"
    } > "$single"
    {
        cat "$single"
        echo "-o"
        echo "$work/out-exiftool/$(basename "$src")"
        echo "$src"
        echo "-execute"
    } >> "$argfile"
    i=$((i + 1))
done

# Warm-up: every contender reads the sources from the same warm cache.
cat "$photos"/* > /dev/null

# A one-photo run shows what a run costs before the first photo (start-up, PROJ, loading).
"$synth" --out "$work/tiny" --count 1 > /dev/null

run_cp() {
    cp -r "$photos" "$1" 2> "$work/cp.err"
}
run_kestrix() {
    "$cli" process --no-subdir --coords utm --utm-zone 35 --out "$1" --timemarks "$marks" \
        "$photos" > "$work/kestrix.out" 2> "$work/kestrix.err"
}
run_exiftool() { # the argument file names out-exiftool as the target
    exiftool "${exifconfig[@]}" -@ "$argfile" -common_args -n -q -q \
        > "$work/exiftool.out" 2> "$work/exiftool.err"
}
run_exifeach() { # a process per photo, into the folder given
    local src
    for src in "$photos"/*.JPG; do
        exiftool "${exifconfig[@]}" -@ "$work/exiftool-args/$(basename "$src").args" -n -q -q \
            -o "$1/$(basename "$src")" "$src" >> "$work/exifeach.out" 2>> "$work/exifeach.err" ||
            return 1
    done
}
run_startup() {
    "$cli" process --no-subdir --coords utm --utm-zone 35 --out "$1" \
        --timemarks "$work/tiny/timemarks.csv" "$work/tiny/photos" > "$work/startup.out" \
        2> "$work/startup.err"
}

# Wall-clock time is what the goals speak of; CPU time (user + system, all threads) is
# printed beside it because it hardly moves when other people's jobs share the cores.
declare -A wall cpu
contenders=(cp kestrix exiftool exifeach startup)
for ((round = 1; round <= repeat; round++)); do
    line="round $round:"
    for name in "${contenders[@]}"; do
        target="$work/out-$name"
        rm -rf "$target"
        if [[ $name == exiftool || $name == exifeach ]]; then mkdir "$target"; fi
        sync
        if ! measured=$(
            TIMEFORMAT='%R %U %S'
            { time "run_$name" "$target"; } 2>&1
        ); then
            echo "$name failed in round $round" >&2
            cat "$work/$name.err" >&2 2> /dev/null || true
            exit 1
        fi
        read -r r u s <<< "$measured"
        wall[$name]+="$r "
        cpu[$name]+="$(echo "$u + $s" | bc -l) "
        line+=$(printf '  %s %.3f s' "$name" "$r")
    done
    echo "$line   (load $(cut -d' ' -f1 /proc/loadavg))"
done

# The contenders must have done the whole job, or the figures mean nothing.
copies=$(find "$work/out-kestrix" -name '*.JPG' | wc -l)
written=$(find "$work/out-exiftool" -name '*.JPG' | wc -l)
each=$(find "$work/out-exifeach" -name '*.JPG' | wc -l)
if [[ "$copies" -ne "$count" || "$written" -ne "$count" || "$each" -ne "$count" ]]; then
    echo "incomplete output: kestrix $copies, exiftool $written and $each of $count photos" >&2
    exit 1
fi
first=$(find "$work/out-kestrix" -name '*.JPG' | sort | head -1)
tags=$(exiftool -s -s -s -n -EXIF:GPSLatitude -XMP-drone-dji:RtkStdHgt "$first" | wc -l)
if [[ "$tags" -ne 2 ]]; then
    echo "kestrix's copy $first lacks the geotag; the comparison would not be fair" >&2
    exit 1
fi

median() { tr ' ' '\n' <<< "$1" | grep -v '^$' | sort -g | awk '{ v[NR] = $1 } END {
    print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
least() { tr ' ' '\n' <<< "$1" | grep -v '^$' | sort -g | head -1; }
calc() { echo "$1" | bc -l; }
declare -A wall_m wall_b cpu_m
for name in "${contenders[@]}"; do
    wall_m[$name]=$(median "${wall[$name]}")
    wall_b[$name]=$(least "${wall[$name]}")
    cpu_m[$name]=$(median "${cpu[$name]}")
done

echo
printf 'median of %d rounds, %d photos of %s (%.0f MB), seconds:\n' "$repeat" "$count" "$size" \
    "$(calc "$bytes / 1000000")"
printf '                        wall   (best)      cpu\n'
row() { printf '  %-16s  %8.3f %8.3f %8.3f%s\n' "$1" "${wall_m[$2]}" "${wall_b[$2]}" "${cpu_m[$2]}" "${3:-}"; }
row "cp -r" cp
row "kestrix-cli" kestrix
row "exiftool" exiftool "   (one process for all photos)"
row "exiftool, each" exifeach "   (one process per photo)"
row "kestrix, 1 photo" startup "   (start-up and loading, no real copying)"
verdict() { if [[ $(calc "$1") -eq 1 ]]; then echo "met"; else echo "MISSED"; fi; }
ratio_cp=$(calc "${wall_m[kestrix]} / ${wall_m[cp]}")
ratio_exif=$(calc "${wall_m[exiftool]} / ${wall_m[kestrix]}")
ratio_each=$(calc "${wall_m[exifeach]} / ${wall_m[kestrix]}")
echo
printf 'kestrix / cp             = %6.2f  (goal <= 1.3: %s)\n' "$ratio_cp" \
    "$(verdict "$ratio_cp <= 1.3")"
printf 'exiftool / kestrix       = %6.2f  (one process for all photos; goal >= 10: %s)\n' \
    "$ratio_exif" "$(verdict "$ratio_exif >= 10")"
printf 'exiftool each / kestrix  = %6.2f  (one process per photo; goal >= 10: %s)\n' \
    "$ratio_each" "$(verdict "$ratio_each >= 10")"
ratio_exif_cp=$(calc "${wall_m[exiftool]} / ${wall_m[cp]}")
printf 'exiftool / cp            = %6.2f  (one process for all photos: being 10 times faster than\n' \
    "$ratio_exif_cp"
printf '                                   that takes kestrix / cp <= %.2f)\n' \
    "$(calc "$ratio_exif_cp / 10")"
printf 'by best wall time: kestrix / cp = %.2f, exiftool / kestrix = %.2f\n' \
    "$(calc "${wall_b[kestrix]} / ${wall_b[cp]}")" "$(calc "${wall_b[exiftool]} / ${wall_b[kestrix]}")"
printf 'by cpu time: kestrix / cp = %.2f, exiftool / kestrix = %.2f;' \
    "$(calc "${cpu_m[kestrix]} / ${cpu_m[cp]}")" "$(calc "${cpu_m[exiftool]} / ${cpu_m[kestrix]}")"
printf ' without start-up: kestrix / cp = %.2f\n' \
    "$(calc "(${cpu_m[kestrix]} - ${cpu_m[startup]}) / ${cpu_m[cp]}")"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

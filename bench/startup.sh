#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times Veltrane's start-up against a bare Qt Widgets window of the same size:
# each run is a whole process, from its start until its window has been
# painted once and the process has ended. The two programs take turns (bare,
# Veltrane, bare, Veltrane, ...), offscreen, so both see the same machine.
#
#   bash bench/startup.sh [build folder] [runs]
#
# The build folder defaults to "build", the runs of each program to 30 (RUNS
# in the environment works too; at least 20). Prints the medians of wall time
# and peak resident memory of both, and the medians of the ratios
# Veltrane / bare of one run and the bare run before it. Targets: time ratio
# at most 1.25, memory ratio at most 1.15. The exit status is 1 when a target
# is missed.
set -euo pipefail

build=${1:-build}
runs=${2:-${RUNS:-30}}
max_time_ratio=1.25
max_rss_ratio=1.15

if [[ ! -x /usr/bin/time ]]; then
    echo "startup.sh: /usr/bin/time is missing; install the Debian package 'time':" >&2
    echo "    apt-get install time" >&2
    exit 2
fi
if ! [[ $runs =~ ^[0-9]+$ ]] || ((runs < 20)); then
    echo "startup.sh: runs must be a number of at least 20, not '$runs'" >&2
    exit 2
fi
veltrane=$build/bench/veltrane_bench_startup
bare=$build/bench/veltrane_bench_startup_bare
controls=$build/bench/veltrane_bench_startup_controls
for program in "$veltrane" "$bare" "$controls"; do
    if [[ ! -x $program ]]; then
        echo "startup.sh: $program is missing; build first:" >&2
        echo "    cmake -S . -B $build -G Ninja && cmake --build $build" >&2
        exit 2
    fi
done

# Veltrane's settings live in a fresh folder of their own, never beside the
# real program.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
settings=$scratch/settings
mkdir "$settings"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Runs one program once; prints "<wall milliseconds> <peak RSS in KiB>".
# /usr/bin/time measures the memory; its wall time has only centisecond
# steps, so the wall time comes from the shell's microsecond clock around it
# (written with the locale's decimal mark, which awk wants as a point).
measure() {
    local start end
    start=${EPOCHREALTIME/[^0-9]/.}
    if ! /usr/bin/time -f '%M' -o "$scratch/time" "$@" 2>"$scratch/stderr"; then
        echo "startup.sh: '$*' failed:" >&2
        cat "$scratch/stderr" >&2
        exit 1
    fi
    end=${EPOCHREALTIME/[^0-9]/.}
    awk -v s="$start" -v e="$end" -v m="$(tail -n 1 "$scratch/time")" \
        'BEGIN { printf "%.3f %d\n", (e - s) * 1000, m }'
}

# The median of the numbers on standard input, one a line.
median() {
    sort -g | awk '{ v[NR] = $1 }
        END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One run of each first, not counted: it fills the file caches and writes the
# settings file that every counted run then starts from, so every Veltrane
# run reads and stores the same settings.
measure "$bare" >/dev/null
measure "$controls" >/dev/null
measure "$veltrane" "$settings" >/dev/null
cp "$settings/veltrane.ini" "$scratch/veltrane.ini"

: >"$scratch/runs"
for ((run = 1; run <= runs; ++run)); do
    cp "$scratch/veltrane.ini" "$settings/veltrane.ini"
    bare_run=$(measure "$bare")
    veltrane_run=$(measure "$veltrane" "$settings")
    controls_run=$(measure "$controls")
    echo "$bare_run $veltrane_run $controls_run" >>"$scratch/runs"
done

median_column() { awk -v c="$1" '{ print $c }' "$scratch/runs" | median; }
bare_ms=$(median_column 1)
bare_kib=$(median_column 2)
veltrane_ms=$(median_column 3)
veltrane_kib=$(median_column 4)
time_ratio=$(awk '{ print $3 / $1 }' "$scratch/runs" | median)
rss_ratio=$(awk '{ print $4 / $2 }' "$scratch/runs" | median)
controls_ms=$(median_column 5)
controls_kib=$(median_column 6)

# Numbers are printed by awk, which writes decimal points whatever the locale.
figures() { # name milliseconds KiB
    awk -v n="$1" -v t="$2" -v m="$3" 'BEGIN { printf "%-10s %12.1f %16.0f\n", n, t, m }'
}
ratio() { # name ratio limit
    awk -v n="$1" -v r="$2" -v l="$3" \
        'BEGIN { printf "ratio %-5s %.3f   target <= %s: %s\n", n, r, l, (r <= l ? "met" : "MISSED") }'
}
within() { # ratio limit
    awk -v r="$1" -v l="$2" 'BEGIN { exit !(r <= l) }'
}

echo "start-up until the first paint, offscreen, median of $runs runs each"
printf '%-10s %12s %16s\n' "" "wall ms" "peak RSS KiB"
figures bare "$bare_ms" "$bare_kib"
figures Veltrane "$veltrane_ms" "$veltrane_kib"
ratio time "$time_ratio" "$max_time_ratio"
ratio RSS "$rss_ratio" "$max_rss_ratio"
# Where the difference lies: Qt building and drawing the window's controls,
# or the program's own work on top of them.
echo "the main window's controls alone, without the program's work:"
figures controls "$controls_ms" "$controls_kib"
awk '{ t1 = $5 / $1; t2 = $3 / $5; m1 = $6 / $2; m2 = $4 / $6
       print t1, t2, m1, m2 }' "$scratch/runs" >"$scratch/split"
split_median() { awk -v c="$1" '{ print $c }' "$scratch/split" | median; }
awk -v a="$(split_median 1)" -v b="$(split_median 2)" -v c="$(split_median 3)" -v d="$(split_median 4)" \
    'BEGIN { printf "controls / bare      time %.3f   RSS %.3f\n", a, c
             printf "Veltrane / controls  time %.3f   RSS %.3f\n", b, d }'

within "$time_ratio" "$max_time_ratio" && within "$rss_ratio" "$max_rss_ratio"

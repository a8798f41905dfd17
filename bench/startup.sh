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

source "$(dirname "$0")/startup_rounds.sh"
run_rounds
report "start-up until the first paint, offscreen, median of $runs runs each" "wall ms"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times veltrane-cli's whole process for one answer against /bin/true: the
# cost of starting a program is the floor, and veltrane-cli should stay
# within three times it.
#
#   bash bench/cli.sh [build folder] [runs]
#
# The build folder defaults to "build", the runs to 300. Uses hyperfine
# (Debian package hyperfine) when it is installed, otherwise a loop timed
# with the shell's microsecond clock. Prints the mean time a run of each and
# the ratio; the exit status is 1 when the ratio is above 3.
set -euo pipefail

build=${1:-build}
runs=${2:-300}
limit=3
cli=$build/app/cli/veltrane-cli
if [[ ! -x $cli ]]; then
    echo "cli.sh: $cli is missing; build first:" >&2
    echo "    cmake -S . -B $build -G Ninja && cmake --build $build --target veltrane-cli" >&2
    exit 2
fi
answer=("$cli" 40G --hours 8 --from 2027-01-01 --to 2027-12-31)
"${answer[@]}" >/dev/null

# Mean milliseconds a run, from hyperfine's JSON export or from a loop.
mean_ms() {
    if command -v hyperfine >/dev/null; then
        local out
        out=$(mktemp)
        hyperfine -N --warmup 20 --runs "$runs" --export-json "$out" "$*" >/dev/null 2>&1
        python3 -c 'import json,sys; print("%.3f" % (json.load(open(sys.argv[1]))["results"][0]["mean"] * 1000))' "$out"
        rm -f "$out"
    else
        local start end i
        for ((i = 0; i < 20; ++i)); do "$@" >/dev/null; done
        start=${EPOCHREALTIME/[^0-9]/.}
        for ((i = 0; i < runs; ++i)); do "$@" >/dev/null; done
        end=${EPOCHREALTIME/[^0-9]/.}
        awk -v s="$start" -v e="$end" -v n="$runs" 'BEGIN { printf "%.3f\n", (e - s) * 1000 / n }'
    fi
}

true_ms=$(mean_ms /bin/true)
cli_ms=$(mean_ms "${answer[@]}")
how=$(command -v hyperfine >/dev/null && echo "hyperfine" || echo "a shell loop")
echo "one answer as a whole process, mean of $runs runs ($how)"
awk -v t="$true_ms" -v c="$cli_ms" -v l="$limit" 'BEGIN {
    printf "/bin/true      %8.3f ms\n", t
    printf "veltrane-cli   %8.3f ms\n", c
    printf "ratio          %8.2f   target <= %s: %s\n", c / t, l, (c / t <= l ? "met" : "MISSED")
    exit !(c / t <= l) }'

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times Veltrane's start-up on an X display against a bare Qt Widgets window
# of the same size and against the main window's controls alone: each run is
# a whole process, timed from just before it is executed until the X server
# maps its first top-level window. The script starts an X server of its own
# (Xvfb, no window manager), so the figures do not depend on a desktop. The
# programs take turns (bare, Veltrane, controls, bare, ...).
#
#   bash bench/startup_x11.sh [build folder] [runs]
#
# The build folder defaults to "build", the runs of each program to 30 (RUNS
# in the environment works too; at least 20). Needs Xvfb (Debian package
# xvfb) and the waiter veltrane_bench_first_map, which the build makes where
# Xlib (libx11-dev) is installed. Like a desktop session, the programs get a
# D-Bus session bus of their own when dbus-daemon (Debian package
# dbus-daemon) is installed; without it they are given a bus address that
# cannot be reached, so that Qt does not try to start one for each program.
#
# Prints the medians of the time to the first map and of the peak resident
# memory of each program, and the medians of the ratios of each round.
# Targets for Veltrane / bare: time at most 1.5, memory at most 1.15. The
# exit status is 1 when a target is missed.
set -euo pipefail

build=${1:-build}
runs=${2:-${RUNS:-30}}
max_time_ratio=1.5
max_rss_ratio=1.15

if ! command -v Xvfb >/dev/null; then
    echo "startup_x11.sh: Xvfb is missing; install the Debian package 'xvfb':" >&2
    echo "    apt-get install xvfb" >&2
    exit 2
fi
if ! [[ $runs =~ ^[0-9]+$ ]] || ((runs < 20)); then
    echo "startup_x11.sh: runs must be a number of at least 20, not '$runs'" >&2
    exit 2
fi
waiter=$build/bench/veltrane_bench_first_map
veltrane=$build/bench/veltrane_bench_startup
bare=$build/bench/veltrane_bench_startup_bare
controls=$build/bench/veltrane_bench_startup_controls
for program in "$waiter" "$veltrane" "$bare" "$controls"; do
    if [[ ! -x $program ]]; then
        echo "startup_x11.sh: $program is missing; build first (the waiter needs libx11-dev):" >&2
        echo "    cmake -S . -B $build -G Ninja && cmake --build $build" >&2
        exit 2
    fi
done

scratch=$(mktemp -d)
xvfb_pid=
bus_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if [[ -n $bus_pid ]]; then
        kill "$bus_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
settings=$scratch/settings
mkdir "$settings"
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# An X server of our own on the first free display number, which it writes
# to the file once it takes connections.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp \
    >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
display=
for ((wait = 0; wait < 100; ++wait)); do
    if read -r -t 0.1 -u "$display_fd" display && [[ -n $display ]]; then
        break
    fi
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "startup_x11.sh: Xvfb did not start:" >&2
        cat "$scratch/xvfb.log" >&2
        exit 2
    fi
done
if [[ -z $display ]]; then
    echo "startup_x11.sh: Xvfb did not report its display" >&2
    exit 2
fi
exec {display_fd}>&-
export DISPLAY=:$display QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# A session bus of our own, as a desktop session has one. Without any, Qt's
# D-Bus thread forks in every program to try dbus-launch, which costs the
# larger program more; an address that cannot be reached spares that.
if command -v dbus-daemon >/dev/null &&
    dbus-daemon --session --fork --nosyslog --print-address=3 --print-pid=4 \
        3>"$scratch/bus.address" 4>"$scratch/bus.pid"; then
    bus_pid=$(head -n 1 "$scratch/bus.pid")
    bus="a session bus of its own"
    export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$scratch/bus.address")
else
    bus="no session bus (dbus-daemon is missing)"
    export DBUS_SESSION_BUS_ADDRESS=disabled:
fi

# Runs one program once; prints "<milliseconds to the first map> <peak RSS
# in KiB>".
measure() {
    if ! "$waiter" "$@" >"$scratch/out" 2>"$scratch/stderr"; then
        echo "startup_x11.sh: '$*' failed:" >&2
        cat "$scratch/stderr" >&2
        exit 1
    fi
    cat "$scratch/out"
}

source "$(dirname "$0")/startup_rounds.sh"
run_rounds
report "start-up until the first window is mapped, X11 (Xvfb, $bus), median of $runs runs each" \
    "map ms"

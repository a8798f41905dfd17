#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs Veltrane on Debian 12.
#   tools/dev.sh run    install what is missing, build, start Veltrane
#   tools/dev.sh test   install what is missing, build, run every test; then
#                       build again with clang, AddressSanitizer and
#                       UndefinedBehaviorSanitizer, and run every test there,
#                       with a short run of each fuzz target
#   tools/dev.sh fuzz [seconds]
#                       run every fuzz target longer (default 600 s each)
set -euo pipefail

cd "$(dirname "$0")/.."
BUILD_DIR=${VELTRANE_BUILD_DIR:-build}
SANITIZE_DIR=${VELTRANE_SANITIZE_BUILD_DIR:-$BUILD_DIR-sanitize}

# Qt SVG (qt6-svg-dev) writes the scalable icon at build time; the programs
# do not link it. Xlib (libx11-dev) builds the benchmark that times the first
# window on an X display.
PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev qt6-svg-dev libx11-dev
  libcli11-dev
  fonts-liberation2
)

# A machine without a desktop shows the window on a virtual X display.
HEADLESS_PACKAGES=(xvfb xauth)

# The tests also drive the real program on a virtual X display and on
# Wayland (weston's headless compositor, with a keyboard module built against
# libweston), check the installed desktop files and the manual page, build the
# Debian package and check that the tree is formatted; strace watches the
# order in which a settings write syncs and renames.
TEST_PACKAGES=(
  xvfb xauth xdotool
  weston qt6-wayland libweston-10-dev
  appstream desktop-file-utils librsvg2-bin man-db
  dpkg-dev file lintian
  clang-format strace
)

# The sanitizer build and the fuzz targets: clang, its sanitizer and libFuzzer
# runtimes, and llvm-symbolizer for readable reports.
SANITIZER_PACKAGES=(clang libclang-rt-14-dev llvm)

install_missing() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$BUILD_DIR" --parallel
}

build_sanitized() {
  cmake -S . -B "$SANITIZE_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DVELTRANE_SANITIZE=ON
  cmake --build "$SANITIZE_DIR" --parallel
}

# Each fuzz target from its seed corpus, keeping what it finds in the build
# folder; a crash leaves its input there as crash-* and stops the run.
fuzz() {
  local seconds=$1 target name found
  for target in "$SANITIZE_DIR"/tests/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    found="$SANITIZE_DIR/tests/fuzz/corpus/$name"
    mkdir -p "$found"
    echo "== $name, $seconds s"
    "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$SANITIZE_DIR/tests/fuzz/" "$found" "tests/fuzz/corpus/$name"
  done
}

case "${1:-}" in
  run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      install_missing "${PACKAGES[@]}" "${HEADLESS_PACKAGES[@]}"
      build
      echo "No desktop here: Veltrane runs on a virtual X display (Xvfb) until it is closed."
      exec xvfb-run -a -s "-screen 0 1280x1024x24" "$BUILD_DIR/app/veltrane"
    fi
    install_missing "${PACKAGES[@]}"
    build
    exec "$BUILD_DIR/app/veltrane"
    ;;
  test)
    install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${SANITIZER_PACKAGES[@]}"
    build
    ctest --test-dir "$BUILD_DIR" --output-on-failure
    build_sanitized
    ctest --test-dir "$SANITIZE_DIR" --output-on-failure
    ;;
  fuzz)
    install_missing "${PACKAGES[@]}" "${SANITIZER_PACKAGES[@]}"
    build_sanitized
    fuzz "${2:-600}"
    ;;
  *)
    echo "usage: tools/dev.sh run | test | fuzz [seconds]" >&2
    exit 2
    ;;
esac

#!/usr/bin/env bash
# Sets up, builds and runs Veltrane on Debian 12.
#   tools/dev.sh run    install what is missing, build, start Veltrane
#   tools/dev.sh test   install what is missing, build, run every test
set -euo pipefail

cd "$(dirname "$0")/.."
BUILD_DIR=${VELTRANE_BUILD_DIR:-build}

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  fonts-liberation2
)

# A machine without a desktop shows the window on a virtual X display.
HEADLESS_PACKAGES=(xvfb xauth)

# The tests also drive the real program on a virtual X display, check the
# installed desktop files and build the Debian package.
TEST_PACKAGES=(
  xvfb xauth xdotool
  appstream desktop-file-utils librsvg2-bin
  dpkg-dev file
)

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
    install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build
    ctest --test-dir "$BUILD_DIR" --output-on-failure
    ;;
  *)
    echo "usage: tools/dev.sh run | test" >&2
    exit 2
    ;;
esac

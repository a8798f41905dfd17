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

install_missing() {
  local missing=()
  for package in "${PACKAGES[@]}"; do
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
    install_missing
    build
    if [ -x "$BUILD_DIR/app/veltrane" ]; then
      exec "$BUILD_DIR/app/veltrane"
    fi
    echo "Built the calculation core and the settings file; the window is not there yet."
    ;;
  test)
    install_missing
    build
    ctest --test-dir "$BUILD_DIR" --output-on-failure
    ;;
  *)
    echo "usage: tools/dev.sh run | test" >&2
    exit 2
    ;;
esac

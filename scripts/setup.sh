#!/usr/bin/env bash
# Shared by run.sh and test.sh: install what is missing, configure, build, lay out the data folder.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev qt6-multimedia-dev libgl-dev
  libsqlcipher-dev sqlcipher
  fonts-farsiweb fonts-noto-core fonts-dejavu-core
)
# Only needed for the screenshot tool and for looking at the program on a headless machine.
EXTRA_PACKAGES=(xvfb xauth imagemagick)

missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

install_packages() {
  local missing
  missing=$(missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "Installing: $missing"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  # shellcheck disable=SC2086
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

build_tizbin() {
  local root build_type
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  build_type=${TIZBIN_BUILD_TYPE:-RelWithDebInfo}
  local werror=OFF
  [ "${CI:-}" = "true" ] && werror=ON
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" \
    -DTIZBIN_WERROR="$werror" >/dev/null
  cmake --build "$root/build" --parallel "$(nproc)"
  # The data folder beside the executable; an existing database keeps its users.
  "$root/build/tizbin-mkdata" "$root/content" "$root/build"
}

#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite without a display.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_packages "${PACKAGES[@]}"
build_tizbin
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 300 "$@"

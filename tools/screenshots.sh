#!/usr/bin/env bash
# Refreshes the README's screenshots at 1920x1080 on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
install_packages "${PACKAGES[@]}" "${EXTRA_PACKAGES[@]}"
build_tizbin
xvfb-run -a -s "-screen 0 1920x1080x24" build/tizbin-screenshots docs/screenshots

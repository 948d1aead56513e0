#!/usr/bin/env bash
# Installs what is missing, builds, lays out the data folder and starts the trainer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_packages "${PACKAGES[@]}"
build_tizbin
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
  echo "tizbin: no display found (DISPLAY is not set); run it on a desktop, or under xvfb-run." >&2
  exit 1
fi
exec build/tizbin "$@"

#!/usr/bin/env bash
# Installs what is missing, builds and starts the configurator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/stratagon
fi
exec build/bin/stratagon

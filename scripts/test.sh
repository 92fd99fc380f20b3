#!/usr/bin/env bash
# Installs what is missing, builds and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
jobs=$(nproc 2>/dev/null || echo 2)
cd build
export QT_QPA_PLATFORM=offscreen
ctest -j "$jobs" --output-on-failure --timeout 600

#!/usr/bin/env bash
# Configures and builds everything into build/ (program folder: build/bin/).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
# CI keeps no debug information, compiles the sources in batches of 16 (each
# batch parses the headers once: the build takes a fifth of the time) and runs
# each test program once for all its cases.
flags=()
if [ "${CI:-}" = "true" ]; then
  flags=(-DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 -g0 -DNDEBUG" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g0 -DNDEBUG"
         -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 -DSTRATAGON_TEST_WHOLE_PROGRAMS=ON)
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${flags[@]}" "$@"
cmake --build build -j "$jobs"

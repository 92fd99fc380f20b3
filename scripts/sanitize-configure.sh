#!/usr/bin/env bash
# Configures build-sanitize/: clang 16 with AddressSanitizer,
# UndefinedBehaviorSanitizer (any finding ends the program) and the fuzzer's
# coverage, -O1 without debug information, sources compiled in batches, one
# CTest test per test program (every case of it in one process). The
# tests (scripts/sanitize.sh) and the fuzz entries (scripts/fuzz.sh) are
# built there on the same libraries, so CI compiles them once.
# Clang's precompiled headers carry no time stamp, so ccache serves a build
# from a clean folder too. Arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-fsanitize=fuzzer-no-link -Xclang -fno-pch-timestamp"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Sanitize \
  -DCMAKE_C_COMPILER=clang-16 -DCMAKE_CXX_COMPILER=clang++-16 \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_C_FLAGS_SANITIZE="-O1 -g0" -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -g0" \
  -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 -DSTRATAGON_TEST_WHOLE_PROGRAMS=ON \
  -DSTRATAGON_SANITIZE=ON -DSTRATAGON_TESTS=ON -DSTRATAGON_FUZZ=ON -DSTRATAGON_BENCH=OFF "$@"

#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs every test there; any finding fails the test.
# Lean on purpose (-O1, line tables only, no benchmarks): CI runs it after
# the normal build and tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Sanitize \
  -DCMAKE_C_FLAGS_SANITIZE="-O1 -g1" -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -g1" \
  -DSTRATAGON_SANITIZE=ON -DSTRATAGON_BENCH=OFF -DSTRATAGON_FUZZ=OFF "$@"
cmake --build build-sanitize -j "$jobs"
cd build-sanitize
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=0:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest -j "$jobs" --output-on-failure --timeout 900

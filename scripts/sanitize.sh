#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs every test there; any finding fails the test.
# Lean on purpose (-O1, no debug information, only the test programs): CI
# runs it after the normal build and tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Sanitize \
  -DCMAKE_C_FLAGS_SANITIZE="-O1 -g0" -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -g0" \
  -DSTRATAGON_SANITIZE=ON -DSTRATAGON_BENCH=OFF -DSTRATAGON_FUZZ=OFF "$@"
# Every test program (each is made by stratagon_test); no demos, no program.
mapfile -t targets < <(sed -n 's/^stratagon_test(\([A-Za-z0-9_]*\).*/\1/p' tests/*/CMakeLists.txt)
cmake --build build-sanitize -j "$jobs" --target "${targets[@]}"
cd build-sanitize
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=0:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest -j "$jobs" --output-on-failure --timeout 900

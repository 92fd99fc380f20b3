#!/usr/bin/env bash
# Builds every test program with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-sanitize/ (scripts/sanitize-configure.sh) and runs every test
# there, offscreen; any finding fails the test. CI runs it after the normal
# build and tests. Arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
scripts/sanitize-configure.sh "$@"
# Everything: the test programs, what the tests start, and the fuzz entries
# that scripts/fuzz.sh runs next.
cmake --build build-sanitize -j "$jobs"
cd build-sanitize
export QT_QPA_PLATFORM=offscreen
# No strict string checks: libxkbcommon (under the X walk-through) hands
# strndup a name that is not NUL-terminated, which is sound with its length.
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=0:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ASAN_SYMBOLIZER_PATH=$(command -v llvm-symbolizer-16 || true)
export ASAN_SYMBOLIZER_PATH
ctest -j "$jobs" --output-on-failure --timeout 900

#!/usr/bin/env bash
# Builds the fuzz entries (fuzz/) in build-sanitize/ (clang 16, AddressSanitizer,
# UndefinedBehaviorSanitizer, scripts/sanitize-configure.sh, shared with the
# sanitizer run of the tests) and runs each one from its seeds for a bounded
# time; a crash, a sanitizer report, a leak, an input that runs too long or
# takes too much memory fails the run. The input that failed is kept in
# build-sanitize/artifacts/. CI runs it last.
#   FUZZ_SECONDS  running time of all entries together (default 60)
#   FUZZ_ONLY     run only the entries whose names match this regex
# Arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
total=${FUZZ_SECONDS:-60}
scripts/sanitize-configure.sh "$@"

# Entry, then its seed folders under tests/data and its dictionary in fuzz/.
entries=(
  "catalog_fuzz core/catalog Catalog.dict"
  "config_files_fuzz core/images core/ede fuzz/config_files"
  "format_fuzz fuzz/format"
  "text_file_fuzz core platform_rtl"
  "ini_file_fuzz fuzz/ini"
  "xml_document_fuzz platform_rtl core/catalog"
  "picture_fuzz grid_foundation"
  "deck_tabs_text_form_fuzz controls_tabs"
  "rtf_fuzz fuzz/rtf"
  "http_answer_fuzz fuzz/http_answer"
  "registry_fuzz fuzz/ini"
  "grid_text_fuzz fuzz/grid_text"
  "grid_bin_stream_fuzz fuzz/grid_bin_stream"
  "grid_text_cell_file_fuzz fuzz/grid_text_cell_file"
  "grid_csv_fuzz fuzz/grid_csv"
  "grid_xml_fuzz fuzz/grid_xml"
  "grid_settings_text_fuzz fuzz/grid_settings_text"
  "grid_settings_files_fuzz fuzz/grid_settings_files"
  "grid_column_stream_fuzz fuzz/grid_column_stream"
  "grid_clipboard_fuzz fuzz/grid_clipboard"
  "grid_drag_drop_fuzz fuzz/grid_drag_drop"
  "grid_office_fuzz office fuzz/grid_office"
  "grid_mdb_fuzz fuzz/grid_mdb"
  "app_files_fuzz core/images fuzz/app_files"
)
if [ -n "${FUZZ_ONLY:-}" ]; then
  mapfile -t entries < <(printf '%s\n' "${entries[@]}" | grep -E "^(${FUZZ_ONLY})[[:space:]]" || true)
fi
[ ${#entries[@]} -gt 0 ] || { echo "fuzz: no entry matches" >&2; exit 1; }
# Every entry of fuzz/CMakeLists.txt runs here.
if [ -z "${FUZZ_ONLY:-}" ]; then
  listed=$(sed -n 's/^stratagon_fuzz(\([A-Za-z0-9_]*\).*/\1/p' fuzz/CMakeLists.txt | sort)
  run=$(printf '%s\n' "${entries[@]}" | cut -d' ' -f1 | sort)
  if [ "$listed" != "$run" ]; then
    echo "fuzz: scripts/fuzz.sh and fuzz/CMakeLists.txt list different entries" >&2
    diff <(echo "$listed") <(echo "$run") >&2 || true
    exit 1
  fi
fi
mapfile -t targets < <(printf '%s\n' "${entries[@]}" | cut -d' ' -f1)
cmake --build build-sanitize -j "$jobs" --target "${targets[@]}"

# The entries share the cores; each gets its part of the total time.
seconds=$(( total * jobs / ${#entries[@]} ))
[ "$seconds" -ge 2 ] || seconds=2
work=build-sanitize/run
rm -rf "$work"
mkdir -p "$work" build-sanitize/artifacts
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
# A small quarantine keeps the grid entries fast; leaks of the libraries
# below us are listed in fuzz/lsan.supp.
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:quarantine_size_mb=16
export LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ASAN_SYMBOLIZER_PATH=$(command -v llvm-symbolizer-16 || true)
export ASAN_SYMBOLIZER_PATH

run_entry() {
  local name=$1; shift
  local corpus=$work/$name seeds=() dict=()
  mkdir -p "$corpus"
  for d in "$@"; do
    case $d in
      *.dict) dict=(-dict="fuzz/$d") ;;
      *) seeds+=("tests/data/$d") ;;
    esac
  done
  if build-sanitize/fuzz/"$name" "${dict[@]}" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="build-sanitize/artifacts/$name-" \
       "$corpus" "${seeds[@]}" >"$work/$name.log" 2>&1; then
    echo "fuzz: $name clean ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$work/$name.log" | grep -o '[0-9]*$') runs)"
  else
    echo "fuzz: $name FAILED (log $work/$name.log)"
    grep -E -A40 '==[0-9]+==|runtime error|Test unit written' "$work/$name.log" | head -80
    return 1
  fi
}

failed=0
pids=()
for e in "${entries[@]}"; do
  # shellcheck disable=SC2086
  run_entry $e &
  pids+=($!)
  if [ ${#pids[@]} -ge "$jobs" ]; then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
  fi
done
for p in "${pids[@]}"; do
  wait "$p" || failed=1
done
if [ "$failed" != 0 ]; then
  echo "fuzz: failures, see above" >&2
  exit 1
fi
echo "fuzz: all ${#entries[@]} entries clean, ${seconds}s each"

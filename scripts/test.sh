#!/usr/bin/env bash
# Sets everything up and runs every test: the unit and command-line tests, the window smoke
# test, the install tree's checks, lintian on the Debian package, the same tests built with the
# sanitizers, and short fuzz runs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
fuzz_seconds=${KELVO_FUZZ_SECONDS:-60}

bash scripts/setup.sh

passed=0
# Runs one build's tests and adds its count to the total printed at the end.
run_ctest() {
  local log
  log=$(mktemp)
  ctest --test-dir "$1" --output-on-failure -j"$jobs" | tee "$log"
  local total
  total=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)
  rm -f "$log"
  passed=$((passed + ${total:-0}))
}

echo "== Release build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKELVO_BENCH=ON >/dev/null
cmake --build build -j"$jobs"
run_ctest build

echo "== Debian package"
rm -f build/kelvo_*.deb
(cd build && cpack -G DEB >/dev/null)
lintian --fail-on error,warning build/kelvo_*.deb
echo "lintian: no errors and no warnings about $(basename build/kelvo_*.deb)"
passed=$((passed + 1))

echo "== Sanitizer build and tests"
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DKELVO_SANITIZE=ON -DKELVO_BENCH=OFF >/dev/null
cmake --build build-san -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_ctest build-san
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

echo "== Fuzzing, ${fuzz_seconds}s per target"
cmake -S . -B build-fuzz -DKELVO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$jobs"
fuzzed=0
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target" | sed 's/^fuzz_//')
  corpus=$(mktemp -d)
  seeds="fuzz/corpus/$name"
  [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
  dict=()
  [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")
  # A target may set its own options (pictures need longer inputs), one per line.
  options=(-max_len=256)
  [ -f "fuzz/$name.options" ] && mapfile -t options < "fuzz/$name.options"
  echo "-- $target"
  "$target" "${options[@]}" -timeout=2 "${dict[@]}" -max_total_time="$fuzz_seconds" \
    -print_final_stats=1 "$corpus" 2>&1 | tail -n 3
  rm -rf "$corpus"
  fuzzed=$((fuzzed + 1))
done
echo "kelvo: $((passed + fuzzed)) passed, 0 failed"

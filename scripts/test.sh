#!/usr/bin/env bash
# Sets everything up, builds, and runs every test: the optimised build (unit,
# GUI, exhaustive and end-to-end tests), the Debian package installed and used
# by a new user, the AddressSanitizer + UBSan build,
# and a bounded run of every fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
fuzz_seconds=${PELLORY_FUZZ_SECONDS:-30}
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

echo "== optimised build"
cmake --preset default -DPELLORY_WERROR=ON >/dev/null
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"

echo "== Debian package, installed and used by a new user"
if [ "$(id -u)" -eq 0 ]; then
  tests/package/deb_e2e.sh build/default
else
  echo "skipped: installing the package and creating a user need root"
fi

echo "== sanitizer build"
cmake --preset asan -DPELLORY_WERROR=ON >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

echo "== Orvalin.dll for Windows (mingw-w64), its tests under Wine"
scripts/test-windows.sh

echo "== fuzzing, ${fuzz_seconds}s a target"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs" --target fuzzers
for fuzzer in build/fuzz/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus=build/fuzz/corpus/$name
  mkdir -p "$corpus"
  seeds=fuzz/seeds/${name#fuzz_}
  [ -d "$seeds" ] || seeds=""
  echo "-- $name"
  "$fuzzer" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -print_final_stats=0 \
    "$corpus" $seeds 2>&1 | tail -n 3
done
echo "all test stages passed"

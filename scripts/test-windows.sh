#!/usr/bin/env bash
# Cross-compiles Orvalin.dll for 32-bit x86 and x86-64, checks both files,
# runs the library's tests under Wine and packs the zip. 32-bit programs run
# only where the kernel executes 32-bit code; elsewhere the 32-bit DLL is
# checked on file (imports, exports, ordinals, every return popping its
# arguments) and the Wine tests run for x86-64 alone. The Windows forms
# tests start their own Xvfb (xvfb-run): Wine makes no window without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
prefix=$PWD/build/wine-prefix

# One Wine prefix in the build folder, booted once before tests run in parallel.
scripts/wine-run.sh "$prefix" cmd /c exit

for arch in i686 x64; do
  cmake --preset "windows-$arch" -DPELLORY_WERROR=ON -DPELLORY_BENCH=OFF >/dev/null
  cmake --build --preset "windows-$arch" -j "$jobs"
done

ctest --preset windows-x64 -j "$jobs"
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  ctest --preset windows-i686 -j "$jobs"
else
  echo "-- this kernel runs no 32-bit programs: 32-bit Orvalin.dll checked on file only"
  ctest --preset windows-i686 -j "$jobs" -LE wine
fi

cpack --preset windows

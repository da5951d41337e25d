#!/usr/bin/env bash
# Cross-compiles Orvalin.dll and Pellory.exe for 32-bit x86 and x86-64,
# checks both, runs the tests under Wine, packs the zips and runs the program
# from its zip end to end. 32-bit programs run
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

# Neither program needs a DLL beyond Windows' own: the C++ runtime is inside.
for arch in i686 x64; do
  if x86_64-w64-mingw32-objdump -p "build/windows-$arch/Pellory/Pellory.exe" |
      grep -iE 'DLL Name: (libstdc|libgcc|libwinpthread)'; then
    echo "Pellory.exe ($arch) needs a mingw DLL" >&2
    exit 1
  fi
done

# The x86-64 program folder as a user unpacks it from its zip, driven under
# Wine on Xvfb in a prefix of its own (booted with the display).
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q build/windows-x64/Pellory-*-windows-x64.zip -d "$unpacked"
for file in Pellory.exe Orvalin.dll options.dat license.txt pellory.png FILES/help.chm \
    skins/skinruls.7z Data/but6.dat; do
  [ -f "$unpacked/Pellory/$file" ] || { echo "the program zip lacks $file" >&2; exit 1; }
done
/usr/bin/python3 tests/e2e/wine_e2e.py --program-folder "$unpacked/Pellory" \
  --wine-run "$PWD/scripts/wine-run.sh" --prefix "$PWD/build/wine-prefix-e2e" \
  --picture-dump "$PWD/build/windows-x64/bin/picture_dump.exe"

#!/usr/bin/env bash
# Cross-compiles Orvalin.dll and Pellory.exe for 32-bit x86 and x86-64,
# checks both, runs the tests under Wine, packs the zips and runs the program
# from its zip end to end. 32-bit programs run only where the kernel executes
# 32-bit code; elsewhere the 32-bit DLL is checked on file (imports, exports,
# ordinals, every return popping its arguments) and the Wine tests and the
# end-to-end run are for x86-64 alone. The Windows forms tests start their
# own Xvfb (xvfb-run): Wine makes no window without a display.
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
runs32=no
if /usr/lib/wine/wine --version >/dev/null 2>&1; then runs32=yes; fi
if [ "$runs32" = yes ]; then
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

# Each program folder as a user unpacks it from its zip, driven under Wine on
# Xvfb in a prefix of its own (booted with the display): x86-64 always, 32-bit
# x86 where the kernel runs it.
e2e=("x64 x64")
if [ "$runs32" = yes ]; then e2e+=("x86 i686"); fi
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
for pair in "${e2e[@]}"; do
  read -r zipArch buildArch <<<"$pair"
  folder="$unpacked/$zipArch"
  unzip -q build/windows-x64/Pellory-*-windows-"$zipArch".zip -d "$folder"
  for file in Pellory.exe Orvalin.dll options.dat license.txt pellory.png FILES/help.chm \
      skins/skinruls.7z Data/but6.dat; do
    [ -f "$folder/Pellory/$file" ] || { echo "the $zipArch program zip lacks $file" >&2; exit 1; }
  done
  echo "-- end to end: the $zipArch program folder under Wine"
  /usr/bin/python3 tests/e2e/wine_e2e.py --program-folder "$folder/Pellory" \
    --wine-run "$PWD/scripts/wine-run.sh" --prefix "$PWD/build/wine-prefix-e2e" \
    --picture-dump "$PWD/build/windows-$buildArch/bin/picture_dump.exe"
done

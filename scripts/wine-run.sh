#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix, created on first use:
#   wine-run.sh <prefix> <program.exe> [arguments...]
# The 64-bit loader serves both kinds of program (32-bit ones through Wine's
# WoW64, where the kernel runs 32-bit code). No display is used unless
# PELLORY_WINE_KEEP_DISPLAY=1 (tests that create windows, under Xvfb): the
# others draw on memory DCs only.
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ "${PELLORY_WINE_KEEP_DISPLAY:-}" = 1 ] || export DISPLAY=
# A Russian Windows: its ANSI code page, which the program's files use, is
# Windows-1251. Wine takes it from the locale, which must exist (install-deps).
export LC_ALL=ru_RU.UTF-8
loader=${PELLORY_WINE_LOADER:-/usr/lib/wine/wine64}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$loader" wineboot --init >/dev/null 2>&1 || true
  # Windows not managed by a window manager: under a bare Xvfb a managed
  # window would wait 2 s for one on every hide.
  "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  wineserver --wait
fi
exec "$loader" "$@"

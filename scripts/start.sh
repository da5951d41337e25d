#!/usr/bin/env bash
# Sets everything up, builds, and starts Pellory on the bundled default skins and messages.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
program=build/default/Pellory/Pellory
if [ ! -x "$program" ]; then
  echo "The program is not built yet: $program is missing." >&2
  exit 1
fi
exec "$program" "$@"

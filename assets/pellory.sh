#!/bin/sh
# Starts Pellory from its program folder, wherever the installation was moved.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/pellory/Pellory" "$@"

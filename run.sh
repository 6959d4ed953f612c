#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
#   ./run.sh [datei.net]
# A relative file path is taken from the folder you call the script in.
set -euo pipefail
wurzel="$(cd "$(dirname "$0")" && pwd)"
"$wurzel/scripts/install-deps.sh"
(
    cd "$wurzel"
    cmake --preset default >/dev/null
    cmake --build --preset default --target nervalo
)
exec "$wurzel/build/default/app/nervalo" "$@"

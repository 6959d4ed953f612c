#!/usr/bin/env bash
# Installs what is missing, configures, builds and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --nur-test
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default -j2

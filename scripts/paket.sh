#!/usr/bin/env bash
# Builds the Debian package build/paket/nervalo_<version>_amd64.deb after installing what is
# missing: CMake workflow preset "paket" (configure, build, cpack -G DEB). The build's output goes
# to stderr; stdout gets only the package's path. Install it with
#   apt install ./build/paket/nervalo_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --paket >&2
cmake --workflow --preset paket >&2
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/paket/CMakeCache.txt)"
realpath "build/paket/nervalo_${version}_amd64.deb"

#!/usr/bin/env bash
# Installs the Debian packages Nervalo needs to build, test and run, if any are missing.
#   scripts/install-deps.sh [--nur-test | --paket]
# As root it runs apt-get; otherwise it prints the exact command and fails.
set -euo pipefail

pakete=(cmake ninja-build g++ clang libclang-rt-14-dev clang-format pkg-config
        libgtest-dev libgmock-dev libbenchmark-dev libfann-dev
        qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev xvfb xauth x11-apps xdotool imagemagick fonts-dejavu-core fonts-dejavu-extra)
if [ "${1:-}" = "--nur-test" ]; then
    pakete=(cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
            libgtest-dev libgmock-dev libbenchmark-dev libfann-dev qt6-base-dev qt6-svg-dev
            qt6-translations-l10n libgl-dev fonts-dejavu-core fonts-dejavu-extra)
elif [ "${1:-}" = "--paket" ]; then
    # Building the Debian package and checking it (scripts/paket.sh, scripts/paket-pruefen.sh).
    pakete=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
            dpkg-dev file lintian desktop-file-utils appstream shared-mime-info)
fi

fehlend=()
for p in "${pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

befehl="apt-get install -y --no-install-recommends ${fehlend[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Please run as root:"
    echo "  apt-get update && $befehl"
    exit 1
fi
echo "Installing: ${fehlend[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${fehlend[@]}"

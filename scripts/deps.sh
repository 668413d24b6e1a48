#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the program or its tests still lack.
set -euo pipefail

PACKAGES=(cmake g++ make qt6-base-dev qt6-serialport-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core qt6-translations-l10n ccache poppler-utils desktop-file-utils "$@")

missing=()
for pkg in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Umbrix need,
# and only those that are missing. Runs apt-get as root or through sudo.
set -euo pipefail

Pakete=(
    cmake g++ make pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev fonts-dejavu-core
    xvfb xdotool x11-utils libx11-dev desktop-file-utils
    clang libclang-rt-14-dev valgrind
)

# Node serves only the coastline converter; a node already on PATH (from any
# source) will do.
command -v node > /dev/null && command -v npm > /dev/null || Pakete+=(nodejs npm)

Fehlend=()
for Paket in "${Pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$Paket" 2> /dev/null | grep -q "install ok installed" \
        || Fehlend+=("$Paket")
done
[ ${#Fehlend[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${Fehlend[*]}"
Als=()
[ "$(id -u)" -eq 0 ] || Als=(sudo)
"${Als[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${Als[@]}" apt-get install -y -q --no-install-recommends "${Fehlend[@]}"

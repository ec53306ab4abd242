#!/usr/bin/env bash
# Builds Umbrix and starts it in the build folder, where erde2.000 lies.
# Without a display it renders the current moment into a PNG instead and
# prints the image's path.
set -euo pipefail
Wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$Wurzel"

tools/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j "$(nproc)"
cd build

if [ -n "${WAYLAND_DISPLAY:-}" ] || { [ -n "${DISPLAY:-}" ] && xdpyinfo > /dev/null 2>&1; }; then
    exec ./pumbrix
fi

Bild="$PWD/umbrix-jetzt.png"
echo "No display available: rendering the current moment instead." >&2
QT_QPA_PLATFORM=offscreen ./umbrix-render --size 1036x633 --output "$Bild"
echo "$Bild"

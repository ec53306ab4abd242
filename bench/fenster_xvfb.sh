#!/usr/bin/env bash
# Runs bench/fenster_messung in a real X window on its own Xvfb display.
#   bench/fenster_xvfb.sh [build folder, default build]
set -euo pipefail
Wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
Bau="$(cd "${1:-$Wurzel/build}" && pwd)"
Nummer=$((500 + RANDOM % 400))
while [ -e "/tmp/.X11-unix/X$Nummer" ] || [ -e "/tmp/.X$Nummer-lock" ]; do Nummer=$((Nummer + 1)); done
Xvfb ":$Nummer" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
XvfbPid=$!
trap 'kill "$XvfbPid" 2> /dev/null || true' EXIT
export DISPLAY=":$Nummer"
for _ in $(seq 100); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
unset QT_QPA_PLATFORM
cd "$Bau"
"$Bau/bench/fenster_messung"

#!/usr/bin/env bash
# Runs bench/fenster_messung in a real X window on its own Xvfb display.
#   bench/fenster_xvfb.sh [build folder, default build]
set -euo pipefail
Wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
Bau="$(cd "${1:-$Wurzel/build}" && pwd)"
source "$Wurzel/tests/e2e/xvfb.sh"
cd "$Bau"
"$Bau/bench/fenster_messung"

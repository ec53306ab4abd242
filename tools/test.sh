#!/usr/bin/env bash
# Builds Umbrix and runs every test: installs missing packages, configures a
# Release build with warnings as errors, builds, and runs CTest.
set -euo pipefail
Wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$Wurzel"

tools/install-deps.sh

Kerne="$(nproc)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DUMBRIX_WERROR=ON
cmake --build build -j "$Kerne"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$Kerne"

#!/usr/bin/env bash
# Builds Umbrix and runs every test:
#   1. a Release build with warnings as errors and the whole CTest suite;
#   2. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. each libFuzzer target for a bounded time (UMBRIX_FUZZ_SEKUNDEN, default 60).
# Missing Debian packages are installed first.
set -euo pipefail
Wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$Wurzel"

tools/install-deps.sh

Kerne="$(nproc)"
export QT_QPA_PLATFORM=offscreen
# Qt warns on stderr when the runtime folder is unset, as it is in CI.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

echo "== Release build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DUMBRIX_WERROR=ON
cmake --build build -j "$Kerne"
ctest --test-dir build --output-on-failure -j "$Kerne"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo -DUMBRIX_WERROR=ON \
    -DUMBRIX_SANITIZE=address,undefined
cmake --build build-san -j "$Kerne"
# The converter check runs no C++ and has run above.
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:${ASAN_OPTIONS:-}" \
LSAN_OPTIONS="suppressions=$Wurzel/tests/lsan.supp:${LSAN_OPTIONS:-}" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}" \
    ctest --test-dir build-san --output-on-failure -j "$Kerne" -LE daten

echo "== Fuzzing"
tools/fuzz.sh "${UMBRIX_FUZZ_SEKUNDEN:-60}"

#!/usr/bin/env bash
# Builds Umbrix and runs every test:
#   1. a Release build with warnings as errors and the whole CTest suite;
#   2. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. the window test under valgrind's memcheck: no memory error, nothing lost;
#   4. each libFuzzer target for a bounded time (UMBRIX_FUZZ_SEKUNDEN, default 60).
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
# The converter check runs no C++ and has run above. The long runs check
# resident memory, which the sanitizers' quarantine of freed blocks makes grow;
# the handlers they drive are exercised here by the size and value tests.
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:${ASAN_OPTIONS:-}" \
LSAN_OPTIONS="suppressions=$Wurzel/tests/lsan.supp:${LSAN_OPTIONS:-}" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}" \
    ctest --test-dir build-san --output-on-failure -j "$Kerne" -LE 'daten|dauer'

echo "== Window test under valgrind memcheck"
# valgrind computes long double at double precision, so the cases that check
# results of the extended-precision arithmetic cannot pass under it; they run
# natively above. This run looks for invalid memory use and leaks.
Auslassen='Simulationsschritt|AngezeigtIstDasBild|OptionenZeichnenSofort'
mapfile -t Faelle < <(build/tests/uumbrix_test -functions | sed 's/()$//' | grep -vxE "$Auslassen")
Protokoll="$Wurzel/build/valgrind.log"
if ! (cd tests/data/fenster && valgrind --leak-check=full --errors-for-leak-kinds=definite,indirect \
    --error-exitcode=1 --log-file="$Protokoll" "$Wurzel/build/tests/uumbrix_test" "${Faelle[@]}" \
    > "$Wurzel/build/valgrind-test.log" 2>&1); then
    cat "$Wurzel/build/valgrind-test.log" "$Protokoll" >&2
    exit 1
fi
grep -E 'definitely lost|indirectly lost|ERROR SUMMARY' "$Protokoll"

echo "== Fuzzing"
tools/fuzz.sh "${UMBRIX_FUZZ_SEKUNDEN:-60}"

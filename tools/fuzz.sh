#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers on) and runs each for a bounded time on a copy of its seed corpus.
#   tools/fuzz.sh [seconds per target, default 60] [target ...]
# Crashes are written to build-fuzz/funde/<target>/; the corpora grow in
# build-fuzz/korpus/<target>/ and are kept between runs.
set -euo pipefail
Wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$Wurzel"
Sekunden="${1:-60}"
shift || true
Ziele=("$@")
[ ${#Ziele[@]} -gt 0 ] || Ziele=(feldwert kueste bild)

tools/install-deps.sh
command -v clang++ > /dev/null || { echo "clang++ is missing" >&2; exit 1; }

Bau=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$Bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DUMBRIX_FUZZ=ON \
    -DUMBRIX_SANITIZE=fuzzer-no-link,address,undefined > /dev/null
cmake --build "$Bau" -j "$(nproc)" --target "${Ziele[@]/%/_fuzz}"

export QT_QPA_PLATFORM=offscreen
Fehlschlag=0
for Ziel in "${Ziele[@]}"; do
    Korpus="$Bau/korpus/$Ziel" Funde="$Bau/funde/$Ziel"
    mkdir -p "$Korpus" "$Funde"
    cp -n tests/fuzz/"$Ziel"/* "$Korpus"/
    Protokoll="$Bau/$Ziel.log"
    # The frame target starts Qt, whose font caches live as long as the
    # process; leaks are checked in the other targets.
    Lecks=1
    [ "$Ziel" != bild ] || Lecks=0
    if ASAN_OPTIONS="detect_leaks=$Lecks:${ASAN_OPTIONS:-}" "$Bau/tests/fuzz/${Ziel}_fuzz" -max_total_time="$Sekunden" -print_final_stats=1 \
        -artifact_prefix="$Funde/" -max_len=4096 "$Korpus" > "$Protokoll" 2>&1; then
        Laeufe="$(grep -m1 'stat::number_of_executed_units' "$Protokoll" | awk '{print $2}')"
        echo "fuzz $Ziel: ${Laeufe:-?} executions in ${Sekunden} s, no crash"
    else
        Fehlschlag=1
        echo "fuzz $Ziel: FAILED, see $Protokoll and $Funde" >&2
        tail -n 40 "$Protokoll" >&2
    fi
done
exit "$Fehlschlag"

#!/usr/bin/env bash
# Regenerates the coastline file from the pinned Natural Earth data and
# compares it byte for byte with the committed data/erde2.000, after running
# the converter's own tests. Exits 0 when everything holds. Installs the node
# modules from the lock file first if they are missing. Works from any
# current directory.
set -euo pipefail
Hier="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
Daten="$Hier/../../data/erde2.000"

for Programm in node npm cmp; do
    if ! command -v "$Programm" >/dev/null 2>&1; then
        echo "check.sh: $Programm is missing (Debian: apt-get install nodejs npm diffutils)" >&2
        exit 2
    fi
done

cd "$Hier"
if [ ! -d node_modules/world-atlas ] || [ ! -d node_modules/topojson-client ]; then
    npm ci --no-audit --no-fund
fi

node --test erde2.test.mjs

Tmp="$(mktemp -d)"
trap 'rm -rf "$Tmp"' EXIT
node erde2.mjs "$Tmp/erde2.000"
if cmp "$Tmp/erde2.000" "$Daten"; then
    echo "check.sh: data/erde2.000 matches the converter ($(wc -l <"$Daten") lines)"
else
    echo "check.sh: data/erde2.000 differs from the converter's output; regenerate it with: cd tools/kueste && node erde2.mjs ../../data/erde2.000" >&2
    exit 1
fi

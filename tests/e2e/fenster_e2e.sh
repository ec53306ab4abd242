#!/usr/bin/env bash
# End-to-end check in a real X window under Xvfb: start the program, see a
# still map, click "Simulation", see the map change, close the window and
# expect exit code 0.
#   fenster_e2e.sh <pumbrix> <x11_werkzeug> <folder with erde2.000>
set -euo pipefail
Programm="$1" Werkzeug="$2" Ordner="$3"
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
Arbeit="$(mktemp -d)"
trap 'kill "${ProgrammPid:-}" "$XvfbPid" 2> /dev/null || true; rm -rf "$Arbeit"' EXIT

cd "$Ordner"
"$Programm" > "$Arbeit/programm.log" 2>&1 &
ProgrammPid=$!
Fenster="$(timeout 20 xdotool search --sync --onlyvisible --name '^Umbrix, Tag- und Nachtgrenze$' | head -n 1)"
[ -n "$Fenster" ] || { echo "window did not appear"; exit 1; }
sleep 1

# The paint area is the top 1036 x 633 pixels of the client area; without a
# window manager the client area is the X window itself.
Karte() { "$Werkzeug" bild "$Fenster" 0 0 1036 633 "$Arbeit/$1.ppm"; }
Karte vorher1; sleep 0.5; Karte vorher2
cmp -s "$Arbeit/vorher1.ppm" "$Arbeit/vorher2.ppm" || { echo "map changed before the simulation started"; exit 1; }

# "Simulation" sits at (616, 14) in the panel, which starts at row 633.
xdotool mousemove --window "$Fenster" 666 659 click 1
sleep 0.5; Karte nachher1; sleep 1; Karte nachher2
if cmp -s "$Arbeit/nachher1.ppm" "$Arbeit/nachher2.ppm"; then
    echo "map did not change while simulating"; exit 1
fi

"$Werkzeug" schliessen "$Fenster"
Rc=0
for _ in $(seq 100); do kill -0 "$ProgrammPid" 2> /dev/null || break; sleep 0.1; done
wait "$ProgrammPid" || Rc=$?
unset ProgrammPid
[ "$Rc" -eq 0 ] || { echo "exit code $Rc"; cat "$Arbeit/programm.log"; exit 1; }
echo "window shown, simulation changed the map, closed with exit code 0"

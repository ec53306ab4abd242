#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the desktop
# entry starts the installed program in the folder that holds erde2.000.
#   installation_test.sh <build folder>
set -euo pipefail
Bau="$1"
Ziel="$(mktemp -d)"
trap 'rm -rf "$Ziel"' EXIT
cmake --install "$Bau" --prefix "$Ziel" > /dev/null

Eintrag="$Ziel/share/applications/umbrix.desktop"
for Datei in bin/pumbrix bin/umbrix-render share/umbrix/erde2.000 \
    share/icons/hicolor/64x64/apps/umbrix.png share/applications/umbrix.desktop; do
    [ -e "$Ziel/$Datei" ] || { echo "not installed: $Datei"; exit 1; }
done
desktop-file-validate "$Eintrag"

Wert() { sed -n "s/^$1=//p" "$Eintrag"; }
[ "$(Wert Exec)" = "$Ziel/bin/pumbrix" ] || { echo "Exec is $(Wert Exec)"; exit 1; }
[ "$(Wert Icon)" = umbrix ] || { echo "Icon is $(Wert Icon)"; exit 1; }
[ -f "$(Wert Path)/erde2.000" ] || { echo "no erde2.000 in Path=$(Wert Path)"; exit 1; }
cmp "$(Wert Path)/erde2.000" "$Bau/erde2.000"

# The installed renderer draws from the installed data folder.
(cd "$(Wert Path)" && QT_QPA_PLATFORM=offscreen "$Ziel/bin/umbrix-render" --size 64x32 \
    --day 1 --month 1 --hour 12 --minute 0 --output "$Ziel/probe.png")
[ -s "$Ziel/probe.png" ]
echo "installed program, data, icon and desktop entry are in place"

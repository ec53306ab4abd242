# Sourced by the scripts that need a real X display: starts Xvfb on a display
# number no other server holds, exports DISPLAY, waits until the server
# answers, and stops it when the sourcing script exits.
Nummer=$((90 + RANDOM % 800))
while [ -e "/tmp/.X11-unix/X$Nummer" ] || [ -e "/tmp/.X$Nummer-lock" ]; do Nummer=$((Nummer + 1)); done
Xvfb ":$Nummer" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
XvfbPid=$!
trap 'kill "$XvfbPid" 2> /dev/null || true' EXIT
export DISPLAY=":$Nummer"
for _ in $(seq 100); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo > /dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }
unset QT_QPA_PLATFORM

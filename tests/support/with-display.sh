#!/usr/bin/env bash
# Runs a command on a private X display: Xvfb, the openbox window manager and, with --tray, a
# tray host (trayer). Everything started here is stopped when the command ends.
# Usage: with-display.sh [--tray] command [args…]
set -u
tray=0
if [ "${1:-}" = "--tray" ]; then tray=1; shift; fi

pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
}
trap cleanup EXIT INT TERM

# Xvfb picks a free display number itself (-displayfd) and writes it back once it listens, so
# that runs started at the same moment never share a display.
# -noreset: otherwise the server resets when its last client leaves (the xdpyinfo probe below),
# and a client that connects during the reset is refused.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$displayfile" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -s "$displayfile" ] && break; sleep 0.05; done
display=":$(head -n 1 "$displayfile")"
rm -f "$displayfile"
export DISPLAY="$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
xdpyinfo >/dev/null 2>&1 || { echo "with-display: Xvfb did not start" >&2; exit 1; }

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

if [ "$tray" = 1 ]; then
    trayer --edge bottom --align right --widthtype pixel --width 200 --height 26 --transparent false \
        >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        xprop -root 2>/dev/null | grep -q '_NET_SYSTEM_TRAY_S0' && break
        xwininfo -root -tree 2>/dev/null | grep -qi trayer && break
        sleep 0.05
    done
    sleep 0.3
fi

unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
"$@"
status=$?
exit $status

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

# A free display number: no lock file and no socket.
for n in $(seq 50 150); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
# -noreset: otherwise the server resets when its last client leaves (the xdpyinfo probe below),
# and a client that connects during the reset is refused.
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
pids+=($!)
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

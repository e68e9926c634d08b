#!/usr/bin/env bash
# Runs a command in a Wayland session of its own: Weston with its headless back-end, and with
# --xwayland its X server for X11 programs. Sets WAYLAND_DISPLAY (and DISPLAY with --xwayland; else
# DISPLAY is unset) and stops Weston when the command ends.
# Usage: with-weston.sh [--xwayland] command [args…]
set -u
xwayland=0
if [ "${1:-}" = "--xwayland" ]; then xwayland=1; shift; fi

runtime="$(mktemp -d)"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
log="$runtime/weston.log"
args=(--backend=headless-backend.so --socket=quintel-wayland --width=1280 --height=800 --idle-time=0 "--log=$log")
[ "$xwayland" = 1 ] && args+=(--xwayland)
weston "${args[@]}" >/dev/null 2>&1 &
weston=$!
cleanup() {
    kill "$weston" 2>/dev/null
    wait "$weston" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT INT TERM

for _ in $(seq 200); do [ -S "$runtime/quintel-wayland" ] && break; sleep 0.05; done
[ -S "$runtime/quintel-wayland" ] || { echo "with-weston: Weston did not start" >&2; cat "$log" >&2; exit 1; }
export WAYLAND_DISPLAY=quintel-wayland
unset DISPLAY
if [ "$xwayland" = 1 ]; then
    for _ in $(seq 200); do grep -q "xserver listening on display" "$log" && break; sleep 0.05; done
    display="$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$log" | head -n 1)"
    [ -n "$display" ] || { echo "with-weston: XWayland did not start" >&2; cat "$log" >&2; exit 1; }
    export DISPLAY="$display"
fi
"$@"

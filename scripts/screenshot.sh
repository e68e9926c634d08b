#!/usr/bin/env bash
# Makes docs/screenshot.png: the bar on a private X display, in its tallest mode, with a name typed.
# Usage: scripts/screenshot.sh [build-dir]
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
top="$(cd "$(dirname "$0")/.." && pwd)"
sandbox="$(mktemp -d)"
trap 'rm -rf "$sandbox"' EXIT
"$top/scripts/seed-sandbox.sh" "$sandbox"
# The tallest mode, somewhere near the top left of the screen.
sed -i 's/^\[Settings\]$/[Settings]\nWindowBottom=3000\nWindowLeft=300\nWindowMode=3/' "$sandbox/config/Quintel/Quintel.conf"
export XDG_CONFIG_HOME="$sandbox/config" XDG_DATA_HOME="$sandbox/data" XDG_CACHE_HOME="$sandbox/cache"
"$top/tests/support/with-display.sh" bash -c '
    "$0/src/quintel" & bar=$!
    for _ in $(seq 50); do w=$(xdotool search --onlyvisible --name "^Quintel$" 2>/dev/null | head -1); [ -n "$w" ] && break; sleep 0.2; done
    sleep 1
    xdotool mousemove --window "$w" 100 145 mousedown 1; sleep 0.3; xdotool mouseup 1; sleep 0.3
    xdotool type --delay 120 "sm"
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$w")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$1/docs/screenshot.png"
    kill $bar' "$build" "$top"
echo "wrote $top/docs/screenshot.png"

#!/usr/bin/env bash
# Starts Quintel on a demo sandbox under the build tree: its own settings, address book, cache and
# sent-mail folder. Nothing of the user's own settings or contacts is read or touched.
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
top="$(cd "$(dirname "$0")/.." && pwd)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "make run: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session." >&2
    exit 1
fi

sandbox="$build/demo-sandbox"
"$top/scripts/seed-sandbox.sh" "$sandbox"
export XDG_CONFIG_HOME="$sandbox/config" XDG_DATA_HOME="$sandbox/data"
export XDG_STATE_HOME="$sandbox/state" XDG_CACHE_HOME="$sandbox/cache"

echo "Quintel demo sandbox: $sandbox (sent mail goes to $sandbox/sent-mail)"
exec "$build/src/quintel"

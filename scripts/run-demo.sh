#!/usr/bin/env bash
# Starts Quintel on a demo sandbox under the build tree: its own settings, address book, cache and
# sent-mail folder. Nothing of the user's own settings or contacts is read or touched.
set -euo pipefail
build="${1:-build}"
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$build" && pwd)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "make run: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session." >&2
    exit 1
fi

sandbox="$build/demo-sandbox"
export XDG_CONFIG_HOME="$sandbox/config"
export XDG_DATA_HOME="$sandbox/data"
export XDG_STATE_HOME="$sandbox/state"
export XDG_CACHE_HOME="$sandbox/cache"
mkdir -p "$XDG_CONFIG_HOME/Quintel" "$XDG_DATA_HOME/contacts" "$XDG_STATE_HOME" "$XDG_CACHE_HOME" "$sandbox/sent-mail"

# The sample address book is copied afresh on every start; the bar's settings are seeded once.
cp "$top"/demo/contacts/*.vcf "$XDG_DATA_HOME/contacts/"
conf="$XDG_CONFIG_HOME/Quintel/Quintel.conf"
if [ ! -f "$conf" ]; then
    cat > "$conf" <<CONF
[Settings]
checkEmailAddresses=False
NumberOfCategories=5

[Categories]
1=All Contacts
2=Family
3=Friends
4=Business
5=Acquaintances

[ContactClient]
Backend=vcard
Folder=$XDG_DATA_HOME/contacts
MailTransport=folder
MailFolder=$sandbox/sent-mail
MailFrom=demo@quintel.invalid
MailFromName=Quintel Demo
CONF
fi

echo "Quintel demo sandbox: $sandbox (sent mail goes to $sandbox/sent-mail)"
exec "$build/src/quintel"

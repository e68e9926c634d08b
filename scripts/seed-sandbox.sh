#!/usr/bin/env bash
# Seeds a sandbox folder for the demo: the sample address book (copied afresh every time) and,
# once, the bar's settings with a mail set-up that files sent messages into a local folder.
# Usage: seed-sandbox.sh SANDBOX — then point XDG_CONFIG_HOME at SANDBOX/config, XDG_DATA_HOME at
# SANDBOX/data, XDG_STATE_HOME at SANDBOX/state and XDG_CACHE_HOME at SANDBOX/cache.
set -euo pipefail
sandbox="$1"
top="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$sandbox/config/Quintel" "$sandbox/data/contacts" "$sandbox/state" "$sandbox/cache" "$sandbox/sent-mail"
cp "$top"/demo/contacts/*.vcf "$sandbox/data/contacts/"
conf="$sandbox/config/Quintel/Quintel.conf"
[ -f "$conf" ] && exit 0
cat > "$conf" <<CONF
[Settings]
checkEmailAddresses=False
NumberOfCategories=5

[Categories]
1=All Contacts
2=Family
3=Friends
4=Business
5=Neighbours

[ContactClient]
Backend=vcard
Folder=$sandbox/data/contacts
MailTransport=folder
MailFolder=$sandbox/sent-mail
MailFrom=demo@quintel.invalid
MailFromName=Quintel Demo
CONF

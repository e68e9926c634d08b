#!/usr/bin/env bash
# Installs the build into a throw-away prefix and checks the installed tree: the programs, the
# desktop entries (desktop-file-validate), the AppStream metainfo (appstreamcli validate), the
# icons of the hicolor theme and the manual pages.
# Usage: check-install.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for program in quintel quintel-setup quintel-contacts; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done

apps="$prefix/share/applications"
for entry in org.quintel.Quintel.desktop org.quintel.Quintel.Setup.desktop; do
    [ -f "$apps/$entry" ] || fail "$entry is not installed"
    desktop-file-validate "$apps/$entry" || fail "$entry does not validate"
    # Every program an entry starts is one we install.
    for exec in $(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$apps/$entry"); do
        [ -x "$prefix/bin/$exec" ] || fail "$entry starts $exec, which is not installed"
    done
done

metainfo="$prefix/share/metainfo/org.quintel.Quintel.metainfo.xml"
[ -f "$metainfo" ] || fail "the metainfo file is not installed"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "the metainfo file does not validate"

icons="$prefix/share/icons/hicolor"
[ -f "$icons/scalable/apps/org.quintel.Quintel.svg" ] || fail "the scalable icon is not installed"
for size in 16 32 48 64 128 256; do
    png="$icons/${size}x${size}/apps/org.quintel.Quintel.png"
    [ -f "$png" ] || fail "the ${size}x${size} icon is not installed"
    # PNG header: width and height are big-endian words at bytes 16 and 20.
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the ${size}x${size} icon is ${w}x${h}"
done

for page in quintel quintel-setup quintel-contacts; do
man="$prefix/share/man/man1/$page.1.gz"
[ -f "$man" ] || fail "the manual page of $page is not installed"
if command -v man >/dev/null 2>&1; then
    warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -l "$man" 2>&1 >/dev/null || true)"
    [ -z "$warnings" ] || fail "the manual page of $page has problems: $warnings"
fi
done
echo "check-install: the installed tree in $prefix is complete and valid"

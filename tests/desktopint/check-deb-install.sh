#!/usr/bin/env bash
# Installs the Debian package into a fresh minimal Debian root, as on a computer that never had Qt:
# apt resolves its Depends from the archive, then quintel-contacts lists a Thunderbird address book
# there and the bar starts under Xvfb. Every library and plug-in the programs load must come with
# the package or its Depends.
#
# Usage: check-deb-install.sh BUILD_DIR VERSION
#
# Needs root (a chroot), debootstrap and the Debian archive this system installs from; without one
# of them it says so and ends with 77 (skipped). The minimal root is made once with debootstrap and
# kept as a tarball under $QUINTEL_CHECK_CACHE (default /var/cache/quintel-check), beside the
# packages apt downloads into it; later runs start from those. $QUINTEL_CHECK_MIRROR names another
# Debian archive than the one this system's apt uses.
set -euo pipefail
build="$1"
version="$2"
cache="${QUINTEL_CHECK_CACHE:-/var/cache/quintel-check}"

say() { echo "check-deb-install: $*"; }
skip() {
    echo "check-deb-install: SKIPPED: $*" >&2
    exit 77
}
fail() {
    echo "check-deb-install: $*" >&2
    exit 1
}

[ "$(id -u)" = 0 ] || skip "installing into a throw-away root takes root (chroot, mount)"
command -v debootstrap >/dev/null || skip "debootstrap is not installed (apt install debootstrap)"
command -v python3 >/dev/null || skip "python3 is needed to write the test address book"

# shellcheck disable=SC1091
. /etc/os-release
suite="${VERSION_CODENAME:-bookworm}"
arch="$(dpkg --print-architecture)"
# The Debian archive (and its security archive) this system's apt is set up with.
sources() {
    {
        sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/*.sources 2>/dev/null
        sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]\+\).*/\2/p' \
            /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null
    } | tr ' ' '\n' | sed 's:/*$::' | grep -E '^https?://[^ ]*/debian(-security)?$' || true
}
mirror="$(sources | grep -v -- '-security$' | head -n1 || true)"
security="$(sources | grep -- '-security$' | head -n1 || true)"
mirror="${QUINTEL_CHECK_MIRROR:-${mirror:-http://deb.debian.org/debian}}"
if command -v curl >/dev/null; then
    curl -fsS --max-time 30 -o /dev/null "$mirror/dists/$suite/InRelease" 2>/dev/null ||
        skip "the Debian archive $mirror cannot be reached"
fi

mkdir -p "$cache/archives/partial"
# One run at a time: they share the root tarball and apt's download folder.
exec 9>"$cache/lock"
flock -w 1500 9 || fail "another package test has held $cache/lock for 25 minutes"

work="$(mktemp -d /var/tmp/quintel-check-deb.XXXXXX)"
root="$work/root"
mounted() { awk -v r="$root" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/mounts | sort -r; }
cleanup() {
    local m
    for m in $(mounted); do umount "$m" 2>/dev/null || umount -l "$m" || true; done
    # Never remove a folder something is still mounted in.
    if [ -n "$(mounted)" ]; then
        echo "check-deb-install: $root still has mounts; $work is left" >&2
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

tarball="$cache/debian-$suite-$arch-minbase.tar.gz"
if [ ! -s "$tarball" ]; then
    say "making a minimal $suite root from $mirror (once; kept as $tarball)"
    if ! debootstrap --variant=minbase "$suite" "$work/fresh" "$mirror" >"$work/debootstrap.log" 2>&1; then
        if grep -qiE "Failed getting release file|Couldn't download|Temporary failure|Could not resolve|unable to fetch" \
            "$work/debootstrap.log"; then
            tail -n 5 "$work/debootstrap.log" >&2
            skip "debootstrap cannot reach the Debian archive $mirror"
        fi
        cat "$work/debootstrap.log" >&2
        fail "debootstrap failed"
    fi
    tar --numeric-owner -C "$work/fresh" -czf "$tarball.tmp" . && mv "$tarball.tmp" "$tarball"
    rm -rf "$work/fresh"
fi
mkdir -p "$root"
tar --numeric-owner -C "$root" -xzf "$tarball"

# The package, built as `make deb` builds it.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    {
        cat "$work/cpack.log" >&2
        fail "cpack failed"
    }
deb="$work/out/quintel_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no $(basename "$deb") was built: $(ls "$work/out")"
cp "$deb" "$root/tmp/quintel.deb"

# The root reaches the archive, starts no services, and keeps apt's downloads for the next run.
cp /etc/resolv.conf "$root/etc/resolv.conf"
{
    echo "deb $mirror $suite main"
    echo "deb $mirror $suite-updates main"
    [ -z "$security" ] || echo "deb $security $suite-security main"
} >"$root/etc/apt/sources.list"
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
mount -t proc proc "$root/proc"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
mount --bind "$cache/archives" "$root/var/cache/apt/archives"

in_root() {
    chroot "$root" /usr/bin/env -i HOME=/root USER=root LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@" </dev/null
}
apt_in_root() {
    in_root apt-get -q -y -o Dpkg::Use-Pty=0 -o APT::Keep-Downloaded-Packages=true "$@" >>"$work/apt.log" 2>&1 ||
        {
            tail -n 40 "$work/apt.log" >&2
            fail "apt-get $* failed in the fresh root"
        }
}

say "installing $(basename "$deb") with apt into a fresh $suite root"
apt_in_root update
# Only what the package depends on: a recommended package must not hide a missing dependency.
apt_in_root install --no-install-recommends /tmp/quintel.deb

# Every program and every Qt plug-in the back-ends and the bar load finds its libraries.
multiarch="$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo "$(uname -m)-linux-gnu")"
plugins="/usr/lib/$multiarch/qt6/plugins"
for file in /usr/bin/quintel /usr/bin/quintel-setup /usr/bin/quintel-contacts \
    "$plugins/platforms/libqxcb.so" "$plugins/sqldrivers/libqsqlite.so" "$plugins/iconengines/libqsvgicon.so" \
    "$plugins/imageformats/libqsvg.so"; do
    [ -e "$root$file" ] || fail "$file is not installed with the package and its Depends"
    missing="$(in_root ldd "$file" | grep 'not found' || true)"
    [ -z "$missing" ] || fail "$file lacks libraries: $missing"
done

# A Thunderbird profile with an address book of two contacts and a mailing list.
profile="$root/root/.thunderbird/abcd1234.default-release"
mkdir -p "$profile"
printf '[Profile0]\nName=default-release\nIsRelative=1\nPath=abcd1234.default-release\nDefault=1\n' \
    >"$root/root/.thunderbird/profiles.ini"
python3 - "$profile/abook.sqlite" <<'EOF'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.executescript("""
CREATE TABLE cards (uid TEXT PRIMARY KEY, localId INTEGER);
CREATE TABLE properties (card TEXT, name TEXT, value TEXT);
CREATE TABLE lists (uid TEXT PRIMARY KEY, localId INTEGER, name TEXT, nickName TEXT, description TEXT);
CREATE TABLE list_cards (list TEXT, card TEXT, PRIMARY KEY(list, card));
""")
cards = {
    "c-ann": {"FirstName": "Ann", "LastName": "Lee", "DisplayName": "Ann Lee", "PrimaryEmail": "ann@example.com"},
    "c-bob": {"FirstName": "Bob", "LastName": "Ray", "DisplayName": "Bob Ray", "CellularNumber": "+49 30 1234"},
}
for n, (uid, props) in enumerate(cards.items(), 1):
    db.execute("INSERT INTO cards VALUES (?, ?)", (uid, n))
    db.executemany("INSERT INTO properties VALUES (?, ?, ?)", [(uid, k, v) for k, v in props.items()])
db.execute("INSERT INTO lists VALUES ('l-team', 1, 'Team', '', '')")
db.executemany("INSERT INTO list_cards VALUES ('l-team', ?)", [("c-ann",), ("c-bob",)])
db.commit()
EOF
mkdir -p "$root/root/.config/Quintel"
printf '[ContactClient]\nBackend=thunderbird\n' >"$root/root/.config/Quintel/Quintel.conf"

listing="$(in_root quintel-contacts --book thunderbird 2>"$work/contacts.err")" ||
    fail "quintel-contacts --book thunderbird failed in the fresh root: $(cat "$work/contacts.err")"
for expected in "Lee, Ann" "ann@example.com" "Ray, Bob" "DistListItem"; do
    grep -qF "$expected" <<<"$listing" || fail "quintel-contacts did not list '$expected': $listing $(cat "$work/contacts.err")"
done
say "quintel-contacts lists the Thunderbird book in the fresh root"

# The bar under Xvfb: it must still be running when it is stopped after a few seconds. Xvfb is the
# test's, installed after the package's own check above.
apt_in_root install --no-install-recommends xvfb xauth
status=0
in_root xvfb-run -a -s "-screen 0 1280x800x24" /usr/bin/env QT_QPA_PLATFORM=xcb \
    timeout -s TERM 8 quintel >"$work/bar.out" 2>&1 || status=$?
if [ "$status" != 124 ]; then
    cat "$work/bar.out" >&2
    fail "the bar ended with status $status under Xvfb instead of running"
fi
if grep -qiE "could not (load|find) the Qt platform plugin|Cannot load library|QSQLITE driver not loaded|error while loading shared libraries" "$work/bar.out"; then
    cat "$work/bar.out" >&2
    fail "the bar could not load what it needs"
fi
say "$(basename "$deb") installs into a fresh $suite root with apt; the bar runs there under Xvfb"

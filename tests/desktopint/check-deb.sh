#!/usr/bin/env bash
# Builds the Debian package from the build folder, checks it with lintian and dpkg, unpacks it into
# a throw-away root and runs its programs from there.
# Usage: check-deb.sh BUILD_DIR VERSION
set -euo pipefail
build="$1"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "check-deb: $*" >&2; exit 1; }

arch="$(dpkg --print-architecture)"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb="$work/out/quintel_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no $(basename "$deb") was built: $(ls "$work/out")"

# Dependencies come from the programs themselves, and the plug-ins they load at run time from the
# package's own list (the SVG icon engine, the SQLite driver of the Thunderbird back-end).
depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libc6 libqt6core6 libqt6widgets6 libqt6svg6 libqt6sql6-sqlite libcurl4; do
    grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for file in ./usr/bin/quintel ./usr/bin/quintel-setup ./usr/bin/quintel-contacts \
    ./usr/share/applications/org.quintel.Quintel.desktop ./usr/share/applications/org.quintel.Quintel.Setup.desktop \
    ./usr/share/metainfo/org.quintel.Quintel.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/org.quintel.Quintel.svg \
    ./usr/share/icons/hicolor/48x48/apps/org.quintel.Quintel.png ./usr/share/man/man1/quintel.1.gz \
    ./usr/share/man/man1/quintel-setup.1.gz ./usr/share/man/man1/quintel-contacts.1.gz \
    ./usr/share/doc/quintel/copyright ./usr/share/doc/quintel/changelog.gz; do
    grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done

lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log" >&2; fail "lintian reports errors"; }
cat "$work/lintian.log"

root="$work/root"
dpkg-deb -x "$deb" "$root"
# Run without a display: --version and --help need none.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
for program in quintel quintel-setup quintel-contacts; do
    out="$("$root/usr/bin/$program" --version)" || fail "$program --version failed"
    [ "$out" = "$program $version" ] || fail "$program --version printed '$out'"
    out="$("$root/usr/bin/$program" --help)" || fail "$program --help failed"
    grep -q "Usage: .*$program" <<<"$out" || fail "$program --help printed no usage: $out"
done
for program in quintel quintel-setup quintel-contacts; do
    status=0
    "$root/usr/bin/$program" --no-such-option >/dev/null 2>"$work/err" || status=$?
    [ "$status" = 2 ] || fail "$program --no-such-option ended with $status"
    grep -q "no-such-option" "$work/err" || fail "$program did not name the unknown option"
done
echo "check-deb: $(basename "$deb") is sound; its programs run from $root"

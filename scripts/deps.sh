#!/usr/bin/env bash
# Installs the Debian packages Quintel needs to build, run and test — only what is missing.
# Idempotent; uses sudo when not run as root.
set -euo pipefail

PACKAGES=(
    # build
    cmake make g++ pkg-config ccache
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev libxkbcommon-dev
    libxcb1-dev libcurl4-openssl-dev qtkeychain-qt6-dev libldap-dev libicu-dev
    # translations: lupdate and lrelease, and Qt's own translations
    qt6-l10n-tools qt6-translations-l10n
    # fuzzing
    clang libclang-rt-14-dev
    # format and static checks
    clang-format clang-tidy
    # run and test: a real window system, tray host, fonts
    xvfb xauth x11-utils openbox xdotool trayer imagemagick fonts-dejavu-core xdg-utils
    # real components the tests start on 127.0.0.1
    python3 python3-aiosmtpd radicale apache2-utils libreoffice-writer-nogui dovecot-imapd
    # the desktop's address book: libebook to build, evolution-data-server and a bus to test against
    libebook1.2-dev evolution-data-server dbus-daemon
    openssl
    # address books of other programs: Thunderbird's SQLite driver, khard to write a vdir book
    libqt6sql6-sqlite khard
    # a company directory to test against
    slapd ldap-utils
    # install checks
    desktop-file-utils appstream
    # the Debian package (make deb) and its checks
    dpkg-dev file lintian
    # the package installed into a clean minimal Debian root
    debootstrap
    # desktops for real: a private D-Bus session bus and its Python stand-ins, a Wayland compositor
    dbus-daemon python3-dbus python3-gi weston xwayland qt6-wayland
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"

# `make deb`: a Debian package of the installed tree, built with CPack's DEB generator. Its
# dependencies are computed from the programs by dpkg-shlibdeps.
# `make deb` builds first; cpack itself (and the package test) packs the build as it is.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quintel developers")
set(CPACK_PACKAGE_CONTACT "The Quintel developers <quintel@quintel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small always-on-top contact bar")
# The summary becomes the first line of the package's description; this is the rest.
set(CPACK_PACKAGE_DESCRIPTION "Quintel is one narrow bar that stays on top of your windows. Type the first
letters of a contact's name and the bar completes it; then view the contact's
card, start a mail to it, send it a quick message from the bar itself, call it
or write it a letter in the word processor.
.
It reads a folder of vCard files (the layout khard and vdirsyncer use) or a
CardDAV address book, and sends mail through an SMTP server or the system's
sendmail.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE QUINTEL_DEB_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE
                ERROR_QUIET)
if(NOT QUINTEL_DEB_ARCH)
    set(QUINTEL_DEB_ARCH amd64)
endif()
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${QUINTEL_DEB_ARCH})
set(CPACK_DEBIAN_FILE_NAME quintel_${PROJECT_VERSION}_${QUINTEL_DEB_ARCH}.deb)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to dpkg-shlibdeps: the SVG icon engine draws every picture, and
# Qt's SQLite driver reads Thunderbird's address books.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libqt6sql6-sqlite")
# Native Wayland, the desktop's mail composer and dialer, the word processor for letters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-writer")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

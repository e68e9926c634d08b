#pragma once
// The notification area over D-Bus (StatusNotifierItem, as KDE's panel and GNOME's AppIndicator
// extension offer it): whether a watcher with a host is on the session bus now. Asked on the one
// session-bus connection of the program.

namespace statusnotifier {

bool hostRegistered();

} // namespace statusnotifier

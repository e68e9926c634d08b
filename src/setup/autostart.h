#pragma once
// "Start Quintel when I log in": a desktop entry in the user's autostart folder. The bar starts a
// few seconds after login so that the panel's notification area exists by then.

#include <QString>

namespace autostart {

inline constexpr int kDelaySeconds = 5;

// $XDG_CONFIG_HOME/autostart/quintel.desktop (else ~/.config/autostart/quintel.desktop).
QString filePath();

// True when the entry exists and is not switched off (Hidden=true or X-GNOME-Autostart-enabled=false).
bool isEnabled();

// The entry that starts the given program after the delay.
QString desktopEntry(const QString& program);

// Writes (atomically) or removes the entry. Returns an error text, empty on success.
QString setEnabled(bool enabled, const QString& program);

// The bar's program: "quintel" beside the running program when it is there, else "quintel" on PATH.
QString barProgram();

} // namespace autostart

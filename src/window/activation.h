#pragma once
// Handing the focus to the bar when another launch asked for it: the launcher's activation token
// (an X11 startup-notification id or a Wayland XDG activation token) is what lets a desktop with
// focus-stealing prevention give the focus to a window that did not have it.

#include <QString>

class QWidget;

namespace activation {

// The token this process was launched with: $XDG_ACTIVATION_TOKEN under Wayland, else
// $DESKTOP_STARTUP_ID; empty without one. Read before the application object takes them.
QString launchToken();

// The X server time a startup-notification id carries ("…_TIME123456"); 0 when it has none.
quint32 startupTime(const QString& id);

// Activates the window, with the token when there is one: on X11 the window is activated with the
// launch's time and the launch's startup notification is ended; under Wayland the token goes to
// the compositor with the activation request.
void activate(QWidget* window, const QString& token);

} // namespace activation

#pragma once
// What the bar answers when the window manager changes its state (from its own keys, a pager, a
// panel's window list or another program): the bar has a fixed size in every mode and no
// minimized state of its own, as it has no taskbar button to come back from.

#include <qnamespace.h>

namespace windowrequests {

enum class Answer {
    Accept,    // nothing the bar objects to
    Restore,   // back to the bar's own size and place (maximized, full screen, or minimized without a tray)
    HideToTray // minimized while a notification area exists: hidden to the tray as by the minimize button
};

Answer answer(Qt::WindowStates states, bool trayAvailable);

} // namespace windowrequests

#include "windowrequests.h"

namespace windowrequests {

Answer answer(Qt::WindowStates states, bool trayAvailable)
{
    if (states & Qt::WindowMinimized)
        return trayAvailable ? Answer::HideToTray : Answer::Restore;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return Answer::Restore;
    return Answer::Accept;
}

} // namespace windowrequests

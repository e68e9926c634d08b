#pragma once
// Summoning the bar: the summon shortcut, and a second start of the program, bring the bar forward
// from anywhere (from the notification area too) with the focus in the empty entry box.

#include <QString>

class frmMain;
class SingleInstance;
class SummonShortcut;

// Brings the bar forward, empties the entry box and puts the focus there. token: the launch's
// activation token (startup notification on X11, XDG activation under Wayland), when there is one.
void summonBar(frmMain& form, const QString& token = {});

// Once the bar has loaded: grabs the shortcut, which then summons the bar; says on the status line
// what the desktop does not give (a shortcut that is taken, keeping on top under native Wayland).
// settingsFile: where the combination is kept; a change there (Quintel Setup saved another one)
// takes effect at once.
void connectSummonShortcut(frmMain& form, SummonShortcut& shortcut, const QString& settingsFile);

// A later start of the program summons the bar with its launch's activation token, so that the bar
// gets the focus from the window that had it. A bar closed while the options dialog kept the
// program running is loaded afresh.
void connectSecondStart(frmMain& form, SingleInstance& instance);

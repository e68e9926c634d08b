#pragma once
// Summoning the bar: the summon shortcut, and a second start of the program, bring the bar forward
// from anywhere (from the notification area too) with the focus in the empty entry box.

#include <QString>

class frmMain;
class SummonShortcut;

// Brings the bar forward, empties the entry box and puts the focus there. token: the launch's
// activation token (startup notification on X11, XDG activation under Wayland), when there is one.
void summonBar(frmMain& form, const QString& token = {});

// Once the bar has loaded: grabs the shortcut, which then summons the bar; says on the status line
// what the desktop does not give (a shortcut that is taken, keeping on top under native Wayland).
void connectSummonShortcut(frmMain& form, SummonShortcut& shortcut, const QString& keys);

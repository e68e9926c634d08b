#pragma once
// What the bar does on its first start with nothing configured: the address books on the computer
// are looked for. Exactly one with contacts is used without asking (and said once on the status
// line); with several the set-up window opens with them ticked; with none it opens as before when
// there is no address-book folder.

#include <QString>

class SettingsStore;

namespace setup {

struct FirstStart {
    bool go = true; // false: the user closed the set-up window, the program ends
    QString note;   // for the status line once the bar is up; empty when there is nothing to say
};

FirstStart runFirstStart(SettingsStore& store);

} // namespace setup

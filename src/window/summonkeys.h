#pragma once
// The key combination that summons the bar from anywhere: kept in the settings store, written as
// Qt writes key sequences ("Ctrl+Alt+Q"), and turned into what the X server grabs (modifier mask
// and keysym) and what the desktop portal takes ("CTRL+ALT+q").

#include <QString>

class SettingsStore;

namespace summon {

// The combination when none was chosen.
QString defaultShortcut();
// The chosen combination; empty when the user switched it off.
QString shortcut(const SettingsStore& store);
void setShortcut(SettingsStore& store, const QString& text);

// X11 modifier masks.
enum Modifier : unsigned {
    Shift = 1u << 0,
    Control = 1u << 2,
    Alt = 1u << 3,   // Mod1
    Super = 1u << 6, // Mod4
};

struct KeyCombination {
    unsigned modifiers = 0;
    unsigned keysym = 0; // 0: not a combination the bar can grab
    bool isValid() const { return keysym != 0; }
};

// Parses "Ctrl+Alt+Q", "Meta+F12", "Shift+Ctrl+Space" (case-insensitive names). A letter, digit or
// space needs Ctrl, Alt or Meta with it, or typing would summon the bar.
KeyCombination parse(const QString& text);
// Why parse() refused the text, in words for the user; empty when it is valid.
QString problem(const QString& text);
// The combination in the notation of the desktop portal's shortcuts ("CTRL+ALT+q").
QString portalTrigger(const QString& text);

} // namespace summon

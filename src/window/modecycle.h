#pragma once
// The arithmetic of the three window modes: the cycle 1 → 2 → 3 → 1, each mode's height and how far
// the bar's two lower rows move when the window steps into a mode. All sizes in twips.

#include "window/windowstate.h"

namespace modecycle {

inline constexpr int kFirst = int(WindowMode::EntryOnly);
inline constexpr int kLast = int(WindowMode::QuickMail);

// The window's height in the given mode (400, 800 or 2355 twips).
int height(int mode);
// The mode after the given one in the cycle.
int next(int mode);
// How far the bar controls move down (negative: up) when the window steps into the given mode
// from the one before it in the cycle. The same distance the window's height changes by.
int shiftInto(int mode);
// The quick-mail area is shown in the full mode only.
bool mailVisible(int mode);
// How far the bar controls lie below their designed place in the given mode.
int offsetFromDesigned(int mode);
bool isValid(int mode);
// A mode to use for anything outside the cycle: the smallest.
int orFirst(int mode);

} // namespace modecycle

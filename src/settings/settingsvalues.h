#pragma once
// How the texts of the settings store read as values. The store is a text file the user can edit,
// so every text reads as something sound: the program never fails to start because of it.

#include <QString>

namespace settingsvalues {

// The most categories a stored count can ask for. A larger count (a typing slip, or 2147483647)
// is read as this many, so that loading stays quick; real lists hold a handful (adding stops at 14).
inline constexpr int kMaxLoadedCategories = 1000;

// The stored NumberOfCategories: a whole decimal number of 0 or more (blanks around it allowed).
// Anything else — other text, the empty text, a negative number, a fraction — reads as 0, which
// installs the default list; a count above kMaxLoadedCategories reads as kMaxLoadedCategories.
int categoryCount(const QString& text);

// The stored checkEmailAddresses: "True"/"False" in any letter case, or a number (0 is false, any
// other number true). Anything else reads as false.
bool flag(const QString& text);

// The texts the flag is written as.
QString flagText(bool flag);

} // namespace settingsvalues

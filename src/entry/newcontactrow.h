#pragma once
// The last row of the list of matches: "Add “TEXT” as a new contact…", where TEXT is what the
// entry box holds. Chosen, it does what Ctrl+N in the box does.

#include <QString>

namespace newcontactrow {

// Whether the row is offered: the address book takes new contacts and the box's text, not blank,
// names nobody.
bool offered(const QString& boxText, bool namesSomebody, bool takesNewContacts);

// The row's text (also what a screen reader says): the box's text on one line, a long one
// shortened in its middle so the sentence stays whole.
QString label(const QString& boxText);

// How many characters of the box's text the row shows at most.
inline constexpr qsizetype kShownLength = 40;

} // namespace newcontactrow

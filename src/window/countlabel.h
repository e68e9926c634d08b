#pragma once
// The count label beside the lamp shows any count in full: it grows to the right into the free
// space before the small window buttons, and where even that is too narrow its font gets smaller.

class QLabel;
class QString;

namespace countlabel {

// How far to the right the label may reach, in twips: the left edge of the column of small
// window buttons, which the label's row meets in mode 2.
inline constexpr int kRightLimit = 6115;

// Sets the label's text and fits the label to it.
void show(QLabel* label, const QString& text);

} // namespace countlabel

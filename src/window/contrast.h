#pragma once
// Text on the bar's fixed backgrounds: the colours the desktop's theme gives text are kept where
// they can be read on them, else the text is drawn in black or white, whichever reads better.

#include <QColor>

namespace contrast {

// The contrast ratio of two colours, 1 (none) to 21 (black on white).
double ratio(const QColor& a, const QColor& b);

// The colour to draw text in on a fixed background, given the text colour of the theme.
QColor textOn(const QColor& background, const QColor& themeText);

// Enough for small text to be read.
inline constexpr double kReadable = 4.5;

} // namespace contrast

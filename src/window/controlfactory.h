#pragma once
// Makes the widgets of the designed layout: kind, name, text, colours, fonts, pictures, state.

#include "window/layout.h"

#include <QFont>

class QWidget;

namespace controlfactory {

// The window's default font ("MS Sans Serif" 8.25 pt, or the closest installed font).
QFont windowFont();
// "Small Fonts" 6.75 pt, or the closest installed font.
QFont smallFont(bool bold = false);

QWidget* create(const layout::Control& spec, QWidget* parent);
// Sets the keyboard focus order of the parent's controls from the layout's tab indexes.
void applyTabOrder(QWidget* parent);

} // namespace controlfactory

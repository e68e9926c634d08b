#pragma once
// Where a window the bar opens for a contact (the card, the call window) goes: next to the bar,
// where the user is looking, and wholly on the screen's free area.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace besidebar {

// The top-left corner for a window of this size (with its frame) next to the bar: above it when
// there is room, else below it, else to its side; always inside the area.
QPoint place(const QRect& bar, const QSize& window, const QRect& area);

} // namespace besidebar

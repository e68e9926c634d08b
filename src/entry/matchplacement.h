#pragma once
// Where the list of matches lies beside the bar: above it when the bar sits in the lower half of
// its screen, else below; as wide as the bar (at least minWidth); wholly on the screen, shortened
// when the room above or below is short.

#include <QRect>
#include <QSize>

namespace matchplacement {

QRect place(const QRect& bar, const QRect& screen, QSize wanted);

} // namespace matchplacement

#include "besidebar.h"

#include <algorithm>

namespace besidebar {
namespace {

int clampInto(int start, int length, int areaStart, int areaLength)
{
    // A window larger than the area shows its start (its title bar, its left edge).
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

QPoint place(const QRect& bar, const QSize& window, const QRect& area)
{
    const int roomAbove = bar.top() - area.top();
    const int roomBelow = area.bottom() - bar.bottom();
    int x = bar.left();
    int y = 0;
    if (roomAbove >= window.height()) {
        y = bar.top() - window.height();
    } else if (roomBelow >= window.height()) {
        y = bar.bottom() + 1;
    } else {
        // Neither above nor below: to the side with more room, level with the bar's top.
        const int roomRight = area.right() - bar.right();
        const int roomLeft = bar.left() - area.left();
        x = roomRight >= roomLeft ? bar.right() + 1 : bar.left() - window.width();
        y = bar.top();
    }
    return {clampInto(x, window.width(), area.left(), area.width()),
            clampInto(y, window.height(), area.top(), area.height())};
}

} // namespace besidebar

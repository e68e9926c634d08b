#include "matchplacement.h"

#include <algorithm>

namespace matchplacement {

QRect place(const QRect& bar, const QRect& screen, QSize wanted)
{
    const int width = std::min(std::max(wanted.width(), bar.width()), screen.width());
    const bool above = bar.center().y() > screen.center().y();
    const int room = above ? bar.top() - screen.top() : screen.bottom() - bar.bottom();
    const int height = std::max(0, std::min(wanted.height(), room));
    const int left = std::clamp(bar.left(), screen.left(), screen.right() + 1 - width);
    const int top = above ? bar.top() - height : bar.bottom() + 1;
    return QRect(left, top, width, height);
}

} // namespace matchplacement

#include "markedelision.h"

#include <algorithm>

namespace markedelision {
namespace {

const QString kEllipsis = QStringLiteral("\u2026");

// The longest end of text (with the ellipsis before it) that fits in room.
QString keepEnd(QStringView text, int room, const Width& width)
{
    if (width(text) <= room)
        return text.toString();
    for (qsizetype keep = text.size() - 1; keep > 0; --keep) {
        const QString shown = kEllipsis + text.right(keep);
        if (width(shown) <= room)
            return shown;
    }
    return width(kEllipsis) <= room ? kEllipsis : QString();
}

// The longest start of text (with the ellipsis after it) that fits in room.
QString keepStart(QStringView text, int room, const Width& width)
{
    if (width(text) <= room)
        return text.toString();
    for (qsizetype keep = text.size() - 1; keep > 0; --keep) {
        const QString shown = text.left(keep) + kEllipsis;
        if (width(shown) <= room)
            return shown;
    }
    return width(kEllipsis) <= room ? kEllipsis : QString();
}

} // namespace

Parts elide(QStringView value, qsizetype markStart, qsizetype markLength, int room, const Width& plainWidth,
            const Width& markedWidth)
{
    markStart = std::clamp<qsizetype>(markStart, 0, value.size());
    markLength = std::clamp<qsizetype>(markLength, 0, value.size() - markStart);
    const QStringView before = value.left(markStart);
    const QStringView marked = value.mid(markStart, markLength);
    const QStringView after = value.mid(markStart + markLength);
    const int markedRoom = markedWidth(marked);
    if (markedRoom >= room) // the marked part alone fills the room; its start is what was typed
        return {{}, keepStart(marked, room, markedWidth), {}};
    const int rest = room - markedRoom;
    const int beforeWidth = plainWidth(before);
    const int afterWidth = plainWidth(after);
    if (beforeWidth + afterWidth <= rest)
        return {before.toString(), marked.toString(), after.toString()};
    // The text before gets up to half the room left, the text after the rest; whichever needs less
    // than its half leaves the other what it does not need.
    int beforeRoom = std::min(beforeWidth, rest / 2);
    if (afterWidth < rest - beforeRoom)
        beforeRoom = rest - afterWidth;
    Parts parts;
    parts.before = keepEnd(before, beforeRoom, plainWidth);
    parts.marked = marked.toString();
    parts.after = keepStart(after, rest - plainWidth(parts.before), plainWidth);
    return parts;
}

} // namespace markedelision

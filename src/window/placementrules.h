#pragma once
// Where the bar comes back at start-up, decided from the stored texts and the screens. Everything
// in twips. The bottom edge is kept, not the top, so the bar returns with its bottom in place
// whatever its mode.

#include "window/windowstate.h"

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

namespace placementrules {

struct Stored {
    std::optional<QString> bottom; // WindowBottom, empty when missing
    std::optional<QString> left;   // WindowLeft
    std::optional<QString> mode;   // WindowMode
};

struct Screens {
    QRect primary;    // the primary screen's full size, taskbar included
    QList<QRect> all; // every screen, the primary among them
};

struct Placement {
    int left = 0;
    int bottom = 0;
    int mode = int(WindowMode::EntryOnly);
};

// A stored text taken as a number; empty when it is none.
std::optional<double> number(const QString& text);

// The decision: defaults for missing or unreadable values, the right and bottom edges kept on the
// primary screen, and a place that no screen shows any more pulled onto the primary screen.
Placement restore(const Stored& stored, const Screens& screens, int windowWidth);

// The window's rectangle for a placement.
QRect rectangle(const Placement& placement, int windowWidth);

} // namespace placementrules

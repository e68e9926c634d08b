#pragma once
// Where the top-level window really is, and the screens it can stand on, in twips.

#include <QList>
#include <QRect>

class QWidget;

namespace windowposition {

// The window manager or a drag may have moved the window away from the place kept in twips:
// take the real position over (the size stays as kept).
void syncTwipsFromWindow(QWidget* window);

// The primary screen's full geometry and every screen's, in twips.
QRect primaryScreen();
QList<QRect> screens();

} // namespace windowposition

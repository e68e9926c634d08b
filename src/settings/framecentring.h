#pragma once
// Centring a dialog on the screen by its outer frame, title bar included, as the user sees it.
//
// A window has no frame until the window manager maps it. Before the first showing the window
// manager is asked which frame it will draw (_NET_REQUEST_FRAME_EXTENTS, which most X11 window
// managers answer), so that the dialog appears centred at once; once it is shown, the frame it
// really got is measured and the dialog moved if that frame differs, unless the user has moved it
// in the meantime.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace framecentring {

// Where the window's own area goes so that the window with its frame is centred in the area. A
// window larger than the area keeps its title bar on the area.
QPoint centredPosition(const QRect& area, const QSize& inner, const QMargins& frame);

// The frame the window manager draws (or will draw) around the window; none when it cannot be
// known (no X11, no window manager, or one that does not answer).
QMargins frameOf(QWidget* window);

// Centres the window on the primary screen by its outer frame, now and once it is framed.
void centreOnScreen(QWidget* window);

} // namespace framecentring

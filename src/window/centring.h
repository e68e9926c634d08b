#pragma once
// Centring a window on the primary screen by its outer frame, title bar included.

class QWidget;

namespace centring {

// Centres the window now, by the frame it has. A window not yet shown has no frame: the window
// manager adds it on the first showing, and the window is centred again by it then.
void centreOnScreen(QWidget* window);

} // namespace centring

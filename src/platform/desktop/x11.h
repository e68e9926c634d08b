#pragma once
// The program's one way to the X server: the connection Qt opened, atoms by name, and the few
// window-manager (EWMH) requests and properties the bar, its dialogs and its shortcut use. Every
// call is harmless without X11 (Wayland, offscreen): isAvailable() is false, reads find nothing
// and requests are not sent.

#include <QByteArray>
#include <QList>
#include <QMargins>
#include <QPoint>
#include <QString>
#include <qwindowdefs.h>

#include <initializer_list>
#include <optional>
#include <vector>

namespace x11 {

// Is the application on an X server? False before the application object exists.
bool isAvailable();

// The atom of the name, asked of the server once per name; 0 without X11.
quint32 atom(const char* name);

quint32 rootWindow();
void flush();

// --- Window state (_NET_WM_STATE) ---

// Asks the window manager to add or remove up to two states of a mapped window.
void changeNetWmState(WId window, bool add, const char* state, const char* other = nullptr);
// Adds the states to a window not mapped yet: the window manager reads them when it maps it.
void addNetWmStateBeforeMapping(WId window, std::initializer_list<const char*> states);
bool isMapped(WId window);

// Hands a move of the window to the window manager (_NET_WM_MOVERESIZE) as if it had begun with the
// pointer at pointerAtStart (root coordinates): the window then stays where it was relative to that
// place. False when the window manager does not move windows for clients.
bool startMove(WId window, const QPoint& pointerAtStart, int button);

// The client windows from bottom to top (_NET_CLIENT_LIST_STACKING); empty without a window manager.
std::vector<quint32> clientStacking();

// --- Activation ---

// Gives the window the focus as of the user's action at the time (_NET_WM_USER_TIME, _NET_ACTIVE_WINDOW).
void activateWindow(WId window, quint32 userTime);
// Ends the launcher's startup notification with that id (its busy pointer).
void endStartupNotification(WId window, const QString& id);
// The message that ends a startup notification: "remove: ID=…" with the id's blanks, quotes and
// backslashes escaped, ending in a zero byte.
QByteArray startupRemoveMessage(const QString& id);

// --- Frame extents ---

// _NET_FRAME_EXTENTS as the window manager set it; none when unset or not a frame.
std::optional<QMargins> frameExtents(WId window);
// A _NET_FRAME_EXTENTS value (left, right, top, bottom: 32-bit cardinals) as margins; none when it
// is not four of them or not a frame a window manager would draw.
std::optional<QMargins> parseFrameExtents(int format, const QByteArray& value);
// Asks the window manager which frame it will draw around a window not mapped yet; false when it
// does not offer that (the answer comes later as frameExtents()).
bool requestFrameExtents(WId window);

// --- Keys ---

// The Lock and NumLock (Mod2) modifier bits of key events and grabs.
constexpr unsigned kLockMask = 1u << 1;
constexpr unsigned kNumLockMask = 1u << 4;

// The key codes that carry the keysym unshifted or shifted.
QList<unsigned char> keycodesOf(unsigned keysym);

enum class GrabResult { Grabbed, Taken, Refused };
// Grabs the key with exactly these modifiers on the root window; Taken when another client holds it.
GrabResult grabKey(unsigned char keycode, unsigned modifiers);
void ungrabKey(unsigned char keycode, unsigned modifiers);

struct KeyPress {
    quint32 window = 0;
    unsigned state = 0;
    unsigned char keycode = 0;
};
// The key press a native event from Qt's X11 platform is; none for anything else.
std::optional<KeyPress> keyPressOf(const QByteArray& eventType, const void* message);

} // namespace x11

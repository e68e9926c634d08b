#include "framecentring.h"

#include <QDeadlineTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace framecentring {
namespace {

// How long to wait for the window manager to say which frame it will draw.
constexpr int kFrameAnswerMs = 250;

xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

xcb_window_t rootOf(xcb_connection_t* c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// _NET_FRAME_EXTENTS (left, right, top, bottom) as the window manager set it; false when unset.
bool readExtents(xcb_connection_t* c, xcb_window_t w, QMargins* frame)
{
    auto* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, atom(c, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 0, 4), nullptr);
    bool found = false;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
        const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        // A frame is a few pixels; anything else is not one.
        if (v[0] < 500 && v[1] < 500 && v[2] < 500 && v[3] < 500) {
            *frame = QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
            found = true;
        }
    }
    std::free(reply);
    return found;
}

bool supported(xcb_connection_t* c, xcb_atom_t wanted)
{
    auto* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, rootOf(c), atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096), nullptr);
    bool found = false;
    if (reply) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int n = xcb_get_property_value_length(reply) / 4;
        for (int i = 0; i < n && !found; ++i)
            found = atoms[i] == wanted;
    }
    std::free(reply);
    return found;
}

// Asks the window manager for the frame of a window it has not mapped yet, and waits a moment for
// the answer.
bool requestExtents(xcb_connection_t* c, xcb_window_t w, QMargins* frame)
{
    const xcb_atom_t request = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || !supported(c, request))
        return false;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = w;
    event.type = request;
    xcb_send_event(c, 0, rootOf(c), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    // The answer is a property on the window; the window manager sets it within a few milliseconds.
    const QDeadlineTimer deadline(kFrameAnswerMs);
    while (!readExtents(c, w, frame)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(2);
    }
    return true;
}

// Puts the window's inner area at the point. move() takes the frame's place as Qt knows the frame
// (none before the window is first shown).
void placeInner(QWidget* window, const QPoint& inner)
{
    window->move(inner - (window->geometry().topLeft() - window->pos()));
}

// Moves the window so that its frame is centred, when the frame it got differs from the one it was
// placed by and it still stands where it was put.
class FrameCheck : public QObject {
public:
    FrameCheck(QWidget* window, const QMargins& assumed, const QPoint& placed)
        : QObject(window), m_window(window), m_assumed(assumed), m_placed(placed)
    {
        window->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && m_window && m_window->isVisible()) {
            watched->removeEventFilter(this);
            QMargins frame;
            xcb_connection_t* c = x11Connection();
            if (c && readExtents(c, xcb_window_t(m_window->winId()), &frame) && frame != m_assumed &&
                m_window->geometry().topLeft() == m_placed) {
                if (const QScreen* screen = QGuiApplication::primaryScreen())
                    placeInner(m_window, centredPosition(screen->geometry(), m_window->size(), frame));
            }
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> m_window;
    QMargins m_assumed;
    QPoint m_placed;
};

} // namespace

QPoint centredPosition(const QRect& area, const QSize& inner, const QMargins& frame)
{
    const int outerWidth = inner.width() + frame.left() + frame.right();
    const int outerHeight = inner.height() + frame.top() + frame.bottom();
    const int left = area.x() + (area.width() - outerWidth) / 2;
    const int top = area.y() + std::max(0, (area.height() - outerHeight) / 2);
    return {left + frame.left(), top + frame.top()};
}

QMargins frameOf(QWidget* window)
{
    xcb_connection_t* c = x11Connection();
    if (!c)
        return {};
    const auto w = xcb_window_t(window->winId());
    QMargins frame;
    if (readExtents(c, w, &frame))
        return frame;
    if (!window->isVisible() && requestExtents(c, w, &frame))
        return frame;
    return {};
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins frame = frameOf(window);
    const QPoint place = centredPosition(screen->geometry(), window->size(), frame);
    placeInner(window, place);
    if (!window->isVisible() && window->windowHandle() && x11Connection())
        new FrameCheck(window, frame, place);
}

} // namespace framecentring

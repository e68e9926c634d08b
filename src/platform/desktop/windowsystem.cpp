#include "windowsystem.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <vector>

namespace {

xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

xcb_window_t rootOf(xcb_connection_t* c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

std::vector<uint32_t> windowList(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type)
{
    std::vector<uint32_t> result;
    auto* reply = xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, 65536), nullptr);
    if (reply) {
        const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        const int n = xcb_get_property_value_length(reply) / 4;
        result.assign(data, data + n);
        std::free(reply);
    }
    return result;
}

// _NET_WM_STATE on a mapped window is changed by a client message to the root window.
void sendNetWmState(xcb_connection_t* c, xcb_window_t w, bool add, xcb_atom_t a1, xcb_atom_t a2)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = w;
    event.type = atom(c, "_NET_WM_STATE");
    event.data.data32[0] = add ? 1 : 0;
    event.data.data32[1] = a1;
    event.data.data32[2] = a2;
    event.data.data32[3] = 1;
    xcb_send_event(c, 0, rootOf(c), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

bool isMapped(xcb_connection_t* c, xcb_window_t w)
{
    auto* reply = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
    const bool mapped = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(reply);
    return mapped;
}

} // namespace

bool DesktopWindowSystem::isFirstInStackingOrder(QWidget* window) const
{
    xcb_connection_t* c = x11Connection();
    if (!c || !window->isVisible())
        return false;
    const auto stacking = windowList(c, rootOf(c), atom(c, "_NET_CLIENT_LIST_STACKING"), XCB_ATOM_WINDOW);
    // The list runs bottom to top: the last entry is the first window in the stacking order.
    return !stacking.empty() && stacking.back() == static_cast<uint32_t>(window->winId());
}

void DesktopWindowSystem::setTopmost(QWidget* window, bool topmost)
{
    const bool wasVisible = window->isVisible();
    if (window->testAttribute(Qt::WA_WState_Created) && wasVisible) {
        if (xcb_connection_t* c = x11Connection()) {
            sendNetWmState(c, static_cast<xcb_window_t>(window->winId()), topmost, atom(c, "_NET_WM_STATE_ABOVE"),
                           XCB_ATOM_NONE);
        }
    }
    // Changing the flags of a shown window hides it; keep it on screen.
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (wasVisible)
        window->show();
}

void DesktopWindowSystem::applySkipTaskbar(QWidget* window)
{
    xcb_connection_t* c = x11Connection();
    if (!c)
        return;
    const auto w = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t netWmState = atom(c, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = atom(c, "_NET_WM_STATE_SKIP_TASKBAR");
    const xcb_atom_t skipPager = atom(c, "_NET_WM_STATE_SKIP_PAGER");
    if (isMapped(c, w)) {
        sendNetWmState(c, w, true, skipTaskbar, skipPager);
        return;
    }
    // Before mapping, the property itself is read by the window manager; Qt adds its own
    // states (above, …) to what is there when it maps the window.
    std::vector<uint32_t> states = windowList(c, w, netWmState, XCB_ATOM_ATOM);
    for (xcb_atom_t a : {skipTaskbar, skipPager}) {
        if (std::find(states.begin(), states.end(), a) == states.end())
            states.push_back(a);
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, netWmState, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.data());
    xcb_flush(c);
}

bool DesktopWindowSystem::startSystemMove(QWidget* window)
{
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

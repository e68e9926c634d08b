#include "x11.h"

#include <QGuiApplication>
#include <QHash>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

static_assert(x11::kLockMask == XCB_MOD_MASK_LOCK);
static_assert(x11::kNumLockMask == XCB_MOD_MASK_2);

namespace x11 {
namespace {

constexpr unsigned char kBadAccess = 10;
constexpr uint32_t kToRootWindowManager = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;

// xcb hands out replies and errors allocated with malloc.
struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

// The connection Qt's X11 platform opened; the only place the program obtains it.
xcb_connection_t* connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootOf(xcb_connection_t* c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// An atom stays what it is for as long as the server runs, so each name is asked once per connection.
xcb_atom_t atomOn(xcb_connection_t* c, const char* name)
{
    static xcb_connection_t* cachedFor = nullptr;
    static QHash<QByteArray, xcb_atom_t> cache;
    if (cachedFor != c) {
        cache.clear();
        cachedFor = c;
    }
    const QByteArray key(name);
    if (const auto found = cache.constFind(key); found != cache.cend())
        return found.value();
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(key.size()), name), nullptr));
    if (!reply)
        return XCB_ATOM_NONE; // not kept: the next call asks again
    cache.insert(key, reply->atom);
    return reply->atom;
}

std::vector<uint32_t> listProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type,
                                   uint32_t longs)
{
    std::vector<uint32_t> result;
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, longs), nullptr));
    if (reply) {
        const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
        const int n = xcb_get_property_value_length(reply.get()) / 4;
        result.assign(data, data + n);
    }
    return result;
}

void sendToRoot(xcb_connection_t* c, const xcb_client_message_event_t& event, uint32_t mask)
{
    xcb_send_event(c, 0, rootOf(c), mask, reinterpret_cast<const char*>(&event));
}

xcb_client_message_event_t clientMessage(xcb_window_t window, xcb_atom_t type, uint8_t format)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = format;
    event.window = window;
    event.type = type;
    return event;
}

} // namespace

bool isAvailable()
{
    return connection() != nullptr;
}

quint32 atom(const char* name)
{
    xcb_connection_t* c = connection();
    return c ? atomOn(c, name) : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

quint32 rootWindow()
{
    xcb_connection_t* c = connection();
    return c ? rootOf(c) : 0;
}

void flush()
{
    if (xcb_connection_t* c = connection())
        xcb_flush(c);
}

// --- Window state ---

void changeNetWmState(WId window, bool add, const char* state, const char* other)
{
    xcb_connection_t* c = connection();
    if (!c)
        return;
    // _NET_WM_STATE on a mapped window is changed by a client message to the root window.
    xcb_client_message_event_t event = clientMessage(static_cast<xcb_window_t>(window), atomOn(c, "_NET_WM_STATE"), 32);
    event.data.data32[0] = add ? 1 : 0;
    event.data.data32[1] = atomOn(c, state);
    event.data.data32[2] = other ? atomOn(c, other) : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    event.data.data32[3] = 1; // from an application
    sendToRoot(c, event, kToRootWindowManager);
    xcb_flush(c);
}

void addNetWmStateBeforeMapping(WId window, std::initializer_list<const char*> states)
{
    xcb_connection_t* c = connection();
    if (!c)
        return;
    const auto w = static_cast<xcb_window_t>(window);
    const xcb_atom_t netWmState = atomOn(c, "_NET_WM_STATE");
    // Qt adds its own states (above, …) to what is there when it maps the window: keep them.
    std::vector<uint32_t> present = listProperty(c, w, netWmState, XCB_ATOM_ATOM, 65536);
    for (const char* name : states) {
        const xcb_atom_t a = atomOn(c, name);
        if (std::find(present.begin(), present.end(), a) == present.end())
            present.push_back(a);
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, netWmState, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(present.size()), present.data());
    xcb_flush(c);
}

bool isMapped(WId window)
{
    xcb_connection_t* c = connection();
    if (!c)
        return false;
    Reply<xcb_get_window_attributes_reply_t> reply(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, static_cast<xcb_window_t>(window)), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

std::vector<quint32> clientStacking()
{
    xcb_connection_t* c = connection();
    if (!c)
        return {};
    return listProperty(c, rootOf(c), atomOn(c, "_NET_CLIENT_LIST_STACKING"), XCB_ATOM_WINDOW, 65536);
}

// --- Activation ---

void activateWindow(WId window, quint32 userTime)
{
    xcb_connection_t* c = connection();
    if (!c)
        return;
    const auto w = static_cast<xcb_window_t>(window);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atomOn(c, "_NET_WM_USER_TIME"), XCB_ATOM_CARDINAL, 32, 1,
                        &userTime);
    xcb_client_message_event_t event = clientMessage(w, atomOn(c, "_NET_ACTIVE_WINDOW"), 32);
    event.data.data32[0] = 1; // from an application
    event.data.data32[1] = userTime;
    sendToRoot(c, event, kToRootWindowManager);
    xcb_flush(c);
}

QByteArray startupRemoveMessage(const QString& id)
{
    QByteArray text = "remove: ID=";
    for (const QChar ch : id) {
        if (ch == QLatin1Char(' ') || ch == QLatin1Char('"') || ch == QLatin1Char('\\'))
            text += '\\';
        text += ch.toLatin1();
    }
    text += '\0';
    return text;
}

void endStartupNotification(WId window, const QString& id)
{
    xcb_connection_t* c = connection();
    if (!c)
        return;
    // The message goes in 20-byte pieces: the first as _NET_STARTUP_INFO_BEGIN, the rest as _NET_STARTUP_INFO.
    const QByteArray text = startupRemoveMessage(id);
    const xcb_atom_t begin = atomOn(c, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atomOn(c, "_NET_STARTUP_INFO");
    for (qsizetype offset = 0; offset < text.size(); offset += 20) {
        xcb_client_message_event_t event =
            clientMessage(static_cast<xcb_window_t>(window), offset == 0 ? begin : more, 8);
        std::memcpy(event.data.data8, text.constData() + offset, size_t(qMin<qsizetype>(20, text.size() - offset)));
        sendToRoot(c, event, XCB_EVENT_MASK_PROPERTY_CHANGE);
    }
    xcb_flush(c);
}

// --- Frame extents ---

std::optional<QMargins> parseFrameExtents(int format, const QByteArray& value)
{
    if (format != 32 || value.size() != 16)
        return std::nullopt;
    uint32_t v[4];
    std::memcpy(v, value.constData(), sizeof v);
    // A frame is a few pixels; anything else is not one.
    if (v[0] >= 500 || v[1] >= 500 || v[2] >= 500 || v[3] >= 500)
        return std::nullopt;
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

std::optional<QMargins> frameExtents(WId window)
{
    xcb_connection_t* c = connection();
    if (!c)
        return std::nullopt;
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c,
                               xcb_get_property(c, 0, static_cast<xcb_window_t>(window),
                                                atomOn(c, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 0, 4),
                               nullptr));
    if (!reply)
        return std::nullopt;
    const auto* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
    const int length = xcb_get_property_value_length(reply.get());
    return parseFrameExtents(reply->format, QByteArray(data, length));
}

bool requestFrameExtents(WId window)
{
    xcb_connection_t* c = connection();
    if (!c)
        return false;
    const xcb_atom_t request = atomOn(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE)
        return false;
    const std::vector<uint32_t> supported =
        listProperty(c, rootOf(c), atomOn(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
    if (std::find(supported.begin(), supported.end(), request) == supported.end())
        return false;
    sendToRoot(c, clientMessage(static_cast<xcb_window_t>(window), request, 32), kToRootWindowManager);
    xcb_flush(c);
    return true;
}

bool startMove(WId window, const QPoint& pointerAtStart, int button)
{
    xcb_connection_t* c = connection();
    if (!c)
        return false;
    const xcb_atom_t moveResize = atomOn(c, "_NET_WM_MOVERESIZE");
    if (moveResize == XCB_ATOM_NONE)
        return false;
    const std::vector<uint32_t> supported =
        listProperty(c, rootOf(c), atomOn(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
    if (std::find(supported.begin(), supported.end(), moveResize) == supported.end())
        return false;
    xcb_client_message_event_t event = clientMessage(static_cast<xcb_window_t>(window), moveResize, 32);
    event.data.data32[0] = static_cast<uint32_t>(pointerAtStart.x());
    event.data.data32[1] = static_cast<uint32_t>(pointerAtStart.y());
    event.data.data32[2] = 8; // _NET_WM_MOVERESIZE_MOVE
    event.data.data32[3] = static_cast<uint32_t>(button);
    event.data.data32[4] = 1; // from an application
    // The window manager takes the pointer: the press's own grab has to go first.
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    sendToRoot(c, event, kToRootWindowManager);
    xcb_flush(c);
    return true;
}

// --- Keys ---

QList<unsigned char> keycodesOf(unsigned keysym)
{
    QList<unsigned char> found;
    xcb_connection_t* c = connection();
    if (!c)
        return found;
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    Reply<xcb_get_keyboard_mapping_reply_t> reply(
        xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, setup->min_keycode, quint8(count)), nullptr));
    if (!reply)
        return found;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(reply.get());
    const int perKeycode = reply->keysyms_per_keycode;
    for (int i = 0; i < count; ++i) {
        for (int column = 0; column < qMin(perKeycode, 2); ++column) {
            if (keysyms[i * perKeycode + column] == keysym) {
                found.append(static_cast<unsigned char>(setup->min_keycode + i));
                break;
            }
        }
    }
    return found;
}

GrabResult grabKey(unsigned char keycode, unsigned modifiers)
{
    xcb_connection_t* c = connection();
    if (!c)
        return GrabResult::Refused;
    Reply<xcb_generic_error_t> error(
        xcb_request_check(c, xcb_grab_key_checked(c, 1, rootOf(c), quint16(modifiers), keycode, XCB_GRAB_MODE_ASYNC,
                                                  XCB_GRAB_MODE_ASYNC)));
    if (!error)
        return GrabResult::Grabbed;
    return error->error_code == kBadAccess ? GrabResult::Taken : GrabResult::Refused;
}

void ungrabKey(unsigned char keycode, unsigned modifiers)
{
    if (xcb_connection_t* c = connection())
        xcb_ungrab_key(c, keycode, rootOf(c), quint16(modifiers));
}

std::optional<KeyPress> keyPressOf(const QByteArray& eventType, const void* message)
{
    if (eventType != "xcb_generic_event_t")
        return std::nullopt;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return std::nullopt;
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    return KeyPress{press->event, press->state, press->detail};
}

} // namespace x11

#include "activation.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace activation {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, quint16(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return result;
}

xcb_window_t rootOf(xcb_connection_t* connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// Ends the launcher's startup notification (its busy pointer): "remove: ID=…" in 20-byte pieces.
void endStartupNotification(xcb_connection_t* connection, xcb_window_t window, const QString& id)
{
    QByteArray text = "remove: ID=";
    for (const QChar c : id) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('"') || c == QLatin1Char('\\'))
            text += '\\';
        text += c.toLatin1();
    }
    text += '\0';
    const xcb_atom_t begin = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    for (qsizetype offset = 0; offset < text.size(); offset += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = window;
        event.type = offset == 0 ? begin : more;
        std::memcpy(event.data.data8, text.constData() + offset, size_t(qMin<qsizetype>(20, text.size() - offset)));
        xcb_send_event(connection, 0, rootOf(connection), XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
    }
}

void activateX11(xcb_connection_t* connection, QWidget* window, const QString& id)
{
    const quint32 time = startupTime(id);
    const xcb_window_t wid = xcb_window_t(window->winId());
    if (time) {
        // The launch's time is the user's last action: the window manager lets the bar have the focus.
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, wid, atom(connection, "_NET_WM_USER_TIME"),
                            XCB_ATOM_CARDINAL, 32, 1, &time);
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = wid;
        event.type = atom(connection, "_NET_ACTIVE_WINDOW");
        event.data.data32[0] = 1; // from an application
        event.data.data32[1] = time;
        xcb_send_event(connection, 0, rootOf(connection),
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    }
    endStartupNotification(connection, wid, id);
    xcb_flush(connection);
}

} // namespace

QString launchToken()
{
    const QString wayland = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    return wayland.isEmpty() ? qEnvironmentVariable("DESKTOP_STARTUP_ID") : wayland;
}

quint32 startupTime(const QString& id)
{
    static const QRegularExpression time(QStringLiteral("_TIME(\\d+)$"));
    const QRegularExpressionMatch match = time.match(id);
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const qulonglong value = match.captured(1).toULongLong(&ok);
    return ok && value > 0 && value <= 0xffffffffULL ? quint32(value) : 0;
}

void activate(QWidget* window, const QString& token)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!token.isEmpty() && !x11)
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8()); // taken by the next activation request
    window->activateWindow();
    if (!token.isEmpty() && x11 && window->windowHandle())
        activateX11(x11->connection(), window, token);
}

} // namespace activation

#include "summonshortcut.h"

#include "window/portalshortcut.h"
#include "window/summonkeys.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// The lock modifiers a user may have on: the grab holds with and without each.
constexpr unsigned kNumLock = XCB_MOD_MASK_2;
constexpr unsigned kLockVariants[] = {0, XCB_MOD_MASK_LOCK, kNumLock, XCB_MOD_MASK_LOCK | kNumLock};
constexpr unsigned kModifierMask = 0xff; // Shift, Lock, Control, Mod1 … Mod5
constexpr unsigned char kBadAccess = 10;

xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The key codes that carry the keysym unshifted or shifted.
QList<unsigned char> keycodesOf(xcb_connection_t* connection, unsigned keysym)
{
    QList<unsigned char> found;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, quint8(count)), nullptr);
    if (!reply)
        return found;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(reply);
    const int perKeycode = reply->keysyms_per_keycode;
    for (int i = 0; i < count; ++i) {
        for (int column = 0; column < qMin(perKeycode, 2); ++column) {
            if (keysyms[i * perKeycode + column] == keysym) {
                found.append(static_cast<unsigned char>(setup->min_keycode + i));
                break;
            }
        }
    }
    free(reply);
    return found;
}

} // namespace

SummonShortcut::SummonShortcut(QObject* parent) : QObject(parent)
{
    if (qGuiApp)
        qGuiApp->installNativeEventFilter(this);
}

SummonShortcut::~SummonShortcut()
{
    releaseX11();
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

void SummonShortcut::fail(const QString& message)
{
    m_active = false;
    emit failed(message);
}

void SummonShortcut::setShortcut(const QString& text)
{
    releaseX11();
    m_portal.reset();
    m_active = false;
    m_text = text.trimmed();
    if (m_text.isEmpty())
        return;
    const summon::KeyCombination combination = summon::parse(m_text);
    if (!combination.isValid()) {
        fail(QStringLiteral("The shortcut %1 cannot be used: %2").arg(m_text, summon::problem(m_text)));
        return;
    }
    if (x11Connection()) {
        if (grabX11(combination.modifiers, combination.keysym))
            m_active = true;
        return;
    }
    if (PortalShortcut::isOffered()) {
        m_portal = std::make_unique<PortalShortcut>();
        connect(m_portal.get(), &PortalShortcut::activated, this, &SummonShortcut::activated);
        connect(m_portal.get(), &PortalShortcut::bound, this, [this] { m_active = true; });
        connect(m_portal.get(), &PortalShortcut::failed, this, &SummonShortcut::fail);
        m_portal->bind(summon::portalTrigger(m_text));
        return;
    }
    fail(QStringLiteral("This desktop offers programs no shortcuts of their own: bind %1 to the command "
                        "\"quintel\" in the desktop's keyboard settings.")
             .arg(m_text));
}

bool SummonShortcut::grabX11(unsigned modifiers, unsigned keysym)
{
    xcb_connection_t* connection = x11Connection();
    m_root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const QList<unsigned char> keycodes = keycodesOf(connection, keysym);
    if (keycodes.isEmpty()) {
        fail(QStringLiteral("The shortcut %1 cannot be used: the keyboard has no such key.").arg(m_text));
        return false;
    }
    m_modifiers = modifiers;
    bool taken = false;
    for (const unsigned char keycode : keycodes) {
        for (const unsigned variant : kLockVariants) {
            xcb_generic_error_t* error =
                xcb_request_check(connection, xcb_grab_key_checked(connection, 1, m_root, quint16(modifiers | variant),
                                                                   keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
            if (error) {
                taken = taken || error->error_code == kBadAccess;
                free(error);
                if (!taken) {
                    continue;
                }
                break;
            }
        }
        m_keycodes.append(keycode);
        if (taken)
            break;
    }
    if (taken) {
        releaseX11();
        fail(QStringLiteral("The shortcut %1 is taken by another program: choose another one in Quintel Setup.")
                 .arg(m_text));
        return false;
    }
    return true;
}

void SummonShortcut::releaseX11()
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || m_keycodes.isEmpty()) {
        m_keycodes.clear();
        return;
    }
    for (const unsigned char keycode : std::as_const(m_keycodes)) {
        for (const unsigned variant : kLockVariants)
            xcb_ungrab_key(connection, keycode, m_root, quint16(m_modifiers | variant));
    }
    xcb_flush(connection);
    m_keycodes.clear();
}

bool SummonShortcut::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result)
{
    Q_UNUSED(result);
    if (m_keycodes.isEmpty() || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
    const unsigned state = press->state & kModifierMask & ~(XCB_MOD_MASK_LOCK | kNumLock);
    if (press->event == m_root && state == m_modifiers && m_keycodes.contains(press->detail))
        emit activated();
    // Qt goes on with the event: it takes the key's time as the last user action, which lets the
    // bar take the focus from the program the user was in.
    return false;
}

#include "summonshortcut.h"

#include "window/portalshortcut.h"
#include "window/summonkeys.h"

#include "desktop/x11.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace {

// The lock modifiers a user may have on: the grab holds with and without each.
constexpr unsigned kLockVariants[] = {0, x11::kLockMask, x11::kNumLockMask, x11::kLockMask | x11::kNumLockMask};
constexpr unsigned kModifierMask = 0xff; // Shift, Lock, Control, Mod1 … Mod5

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
        fail(QCoreApplication::translate("SummonShortcut", "The shortcut %1 cannot be used: %2")
                 .arg(m_text, summon::problem(m_text)));
        return;
    }
    if (x11::isAvailable()) {
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
    fail(QCoreApplication::translate("SummonShortcut",
                                     "This desktop offers programs no shortcuts of their own: bind %1 to the command "
                                     "\"quintel\" in the desktop's keyboard settings.")
             .arg(m_text));
}

bool SummonShortcut::grabX11(unsigned modifiers, unsigned keysym)
{
    m_root = x11::rootWindow();
    const QList<unsigned char> keycodes = x11::keycodesOf(keysym);
    if (keycodes.isEmpty()) {
        fail(QCoreApplication::translate("SummonShortcut",
                                         "The shortcut %1 cannot be used: the keyboard has no such key.")
                 .arg(m_text));
        return false;
    }
    m_modifiers = modifiers;
    bool taken = false;
    for (const unsigned char keycode : keycodes) {
        for (const unsigned variant : kLockVariants) {
            if (x11::grabKey(keycode, modifiers | variant) == x11::GrabResult::Taken) {
                taken = true;
                break;
            }
        }
        m_keycodes.append(keycode);
        if (taken)
            break;
    }
    if (taken) {
        releaseX11();
        fail(QCoreApplication::translate(
                 "SummonShortcut", "The shortcut %1 is taken by another program: choose another one in Quintel Setup.")
                 .arg(m_text));
        return false;
    }
    return true;
}

void SummonShortcut::releaseX11()
{
    if (!x11::isAvailable() || m_keycodes.isEmpty()) {
        m_keycodes.clear();
        return;
    }
    for (const unsigned char keycode : std::as_const(m_keycodes)) {
        for (const unsigned variant : kLockVariants)
            x11::ungrabKey(keycode, m_modifiers | variant);
    }
    x11::flush();
    m_keycodes.clear();
}

bool SummonShortcut::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result)
{
    Q_UNUSED(result);
    if (m_keycodes.isEmpty())
        return false;
    const std::optional<x11::KeyPress> press = x11::keyPressOf(eventType, message);
    if (!press)
        return false;
    const unsigned state = press->state & kModifierMask & ~(x11::kLockMask | x11::kNumLockMask);
    if (press->window == m_root && state == m_modifiers && m_keycodes.contains(press->keycode))
        emit activated();
    // Qt goes on with the event: it takes the key's time as the last user action, which lets the
    // bar take the focus from the program the user was in.
    return false;
}

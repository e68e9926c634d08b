#include "windowsabove.h"

#include "window/besidebar.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// Set on a window from its showing until its first move: the window manager's frame and
// placement arrive with that move.
const char* const kPlacing = "quintelPlacing";

bool opensAbove(const QWidget* window, const QWidget* bar)
{
    if (window == bar || !window->isWindow())
        return false;
    // Framed windows only: the notification-area icon, for one, is a frameless window of its own
    // that the tray places.
    if (window->windowFlags() & (Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint))
        return false;
    const Qt::WindowType type = window->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

} // namespace

WindowsAbove::WindowsAbove(QWidget& bar) : m_bar(bar)
{
    qApp->installEventFilter(this);
}

WindowsAbove::~WindowsAbove()
{
    qApp->removeEventFilter(this);
}

void WindowsAbove::keepOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    // A window the window manager mapped without giving it the focus goes under the focused bar.
    window->raise();
    const QRect area = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (area.contains(frame))
        return;
    // The frame's top-left corner comes inside; a window larger than the screen shows its title.
    const int left = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int top = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    window->move(window->pos() + QPoint(left - frame.left(), top - frame.top()));
}

void WindowsAbove::giveBackFocus()
{
    if (!m_bar.isVisible() || m_bar.isMinimized())
        return;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool another = std::any_of(windows.cbegin(), windows.cend(),
                                     [this](const QWidget* w) { return w->isVisible() && opensAbove(w, &m_bar); });
    if (another)
        return;
    m_bar.activateWindow();
    emit returned();
}

bool WindowsAbove::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (!watched->isWidgetType() || (type != QEvent::Show && type != QEvent::Move && type != QEvent::Hide))
        return QObject::eventFilter(watched, event);
    auto* window = static_cast<QWidget*>(watched);
    if (!opensAbove(window, &m_bar))
        return QObject::eventFilter(watched, event);

    if (type == QEvent::Hide) {
        // Once the window has gone: a message box's own event loop ends after its hide.
        QTimer::singleShot(0, this, &WindowsAbove::giveBackFocus);
        return QObject::eventFilter(watched, event);
    }

    if (event->type() == QEvent::Show) {
        // A window of its own (the card, the call window) opens next to the bar; dialogs are
        // centred on the bar by their owners.
        if (!window->parentWidget() && window->windowType() == Qt::Window && m_bar.isVisible() && m_bar.screen()) {
            const QRect frame = window->frameGeometry();
            const QSize withFrame = frame.size().expandedTo(window->size());
            const QPoint at = besidebar::place(m_bar.frameGeometry(), withFrame, m_bar.screen()->availableGeometry());
            window->move(at + (window->pos() - frame.topLeft()));
        }
        // Before the window is mapped, so that the window manager stacks it above from the start.
        if (QWindow* handle = window->windowHandle())
            handle->setFlag(Qt::WindowStaysOnTopHint, true);
        window->setProperty(kPlacing, true);
        QTimer::singleShot(0, window, [window] { keepOnScreen(window); });
    } else if (window->property(kPlacing).toBool() && window->isVisible()) {
        window->setProperty(kPlacing, false);
        const QPointer<QWidget> guard(window);
        QTimer::singleShot(0, window, [guard] {
            if (guard)
                keepOnScreen(guard);
        });
    }
    return QObject::eventFilter(watched, event);
}

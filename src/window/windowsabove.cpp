#include "windowsabove.h"

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

bool WindowsAbove::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType() || (event->type() != QEvent::Show && event->type() != QEvent::Move))
        return QObject::eventFilter(watched, event);
    auto* window = static_cast<QWidget*>(watched);
    if (!opensAbove(window, &m_bar))
        return QObject::eventFilter(watched, event);

    if (event->type() == QEvent::Show) {
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

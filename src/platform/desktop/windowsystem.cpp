#include "windowsystem.h"

#include "x11.h"

#include <QPoint>
#include <QWidget>
#include <QWindow>

bool DesktopWindowSystem::isFirstInStackingOrder(QWidget* window) const
{
    if (!x11::isAvailable() || !window->isVisible())
        return false;
    const std::vector<quint32> stacking = x11::clientStacking();
    // The list runs bottom to top: the last entry is the first window in the stacking order.
    return !stacking.empty() && stacking.back() == static_cast<quint32>(window->winId());
}

void DesktopWindowSystem::setTopmost(QWidget* window, bool topmost)
{
    const bool wasVisible = window->isVisible();
    if (window->testAttribute(Qt::WA_WState_Created) && wasVisible && x11::isAvailable())
        x11::changeNetWmState(window->winId(), topmost, "_NET_WM_STATE_ABOVE");
    // Changing the flags of a shown window hides it; keep it on screen.
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (wasVisible)
        window->show();
}

void DesktopWindowSystem::applySkipTaskbar(QWidget* window)
{
    if (!x11::isAvailable())
        return;
    const WId w = window->winId();
    if (x11::isMapped(w))
        x11::changeNetWmState(w, true, "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER");
    else
        x11::addNetWmStateBeforeMapping(w, {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
}

bool DesktopWindowSystem::startSystemMove(QWidget* window, const QPoint& pressedAt)
{
    QWindow* handle = window->windowHandle();
    if (!handle)
        return false;
    // Qt's own request starts from where the pointer is now, which loses the way it moved since
    // the press; on X11 the request names the press's place.
    if (x11::isAvailable()) {
        const qreal ratio = handle->devicePixelRatio();
        return x11::startMove(window->winId(), (QPointF(pressedAt) * ratio).toPoint(), 1);
    }
    return handle->startSystemMove();
}

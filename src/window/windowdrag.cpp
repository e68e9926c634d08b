#include "windowdrag.h"

#include "desktop/windowsystem.h"
#include "window/twips.h"
#include "window/windowposition.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

WindowDrag::WindowDrag(QWidget& window, WindowSystem* windowSystem) : m_window(window), m_windowSystem(windowSystem) {}

WindowDrag::~WindowDrag()
{
    stop();
}

void WindowDrag::startDrag(QMouseEvent* press)
{
    if (!press)
        return;
    // The window manager's move loop follows the left button only (openbox ignores a move begun
    // with another button); the other buttons drag through the fallback.
    WindowSystem* windowSystem = m_windowSystem;
    if (press->button() == Qt::LeftButton && windowSystem && windowSystem->startSystemMove(&m_window)) {
        // The window manager's move loop runs until release; the new place is read back when it
        // is needed.
        stop();
        return;
    }
    // No window manager to ask: follow the pointer ourselves. The press may have landed on a child
    // (the entry box), which then receives the moves, so watch them application-wide.
    windowposition::syncTwipsFromWindow(&m_window);
    m_grabOffset = press->globalPosition().toPoint() - m_window.geometry().topLeft();
    if (!m_dragging)
        qApp->installEventFilter(this);
    m_dragging = true;
}

void WindowDrag::mouseMove(QMouseEvent* event)
{
    if (!m_dragging || !event)
        return;
    if (event->buttons() == Qt::NoButton) {
        // The release went elsewhere (another window, a grab): the drag is over.
        stop();
        return;
    }
    moveTo(event->globalPosition().toPoint());
}

void WindowDrag::mouseRelease(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    if (event)
        moveTo(event->globalPosition().toPoint());
    stop();
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    // Only events for widgets: a mouse event reaches the window handle first and the widget after.
    if (m_dragging && watched->isWidgetType()) {
        if (event->type() == QEvent::MouseMove)
            mouseMove(static_cast<QMouseEvent*>(event));
        else if (event->type() == QEvent::MouseButtonRelease)
            mouseRelease(static_cast<QMouseEvent*>(event));
    }
    return QObject::eventFilter(watched, event);
}

void WindowDrag::moveTo(const QPoint& globalPointer)
{
    const QPoint topLeft = globalPointer - m_grabOffset;
    QRect kept = twips::geometry(&m_window);
    kept.moveTopLeft({twips::fromPixels(topLeft.x()), twips::fromPixels(topLeft.y())});
    twips::setGeometry(&m_window, kept);
}

void WindowDrag::stop()
{
    if (m_dragging)
        qApp->removeEventFilter(this);
    m_dragging = false;
}

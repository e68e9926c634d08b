#include "windowdrag.h"

#include "desktop/windowsystem.h"
#include "window/twips.h"
#include "window/windowposition.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <utility>

WindowDrag::WindowDrag(QWidget& window, WindowSystem* windowSystem) : m_window(window), m_windowSystem(windowSystem) {}

WindowDrag::~WindowDrag()
{
    if (m_state != State::Idle)
        qApp->removeEventFilter(this);
}

void WindowDrag::startDrag(QMouseEvent* press, std::function<void()> pressEnded)
{
    if (!press)
        return;
    // A press whose end never arrived (the release went to another window) is over now.
    if (m_state != State::Idle)
        finish();
    windowposition::syncTwipsFromWindow(&m_window);
    m_button = press->button();
    m_pressAt = press->globalPosition().toPoint();
    m_grabOffset = m_pressAt - m_window.geometry().topLeft();
    m_pressEnded = std::move(pressEnded);
    m_state = State::Pressed;
    // The press may have landed on a child (the entry box), which then receives the moves, so
    // watch them application-wide.
    qApp->installEventFilter(this);
}

void WindowDrag::mouseMove(QMouseEvent* event)
{
    if (m_state == State::Idle || !event)
        return;
    if (!(event->buttons() & m_button)) {
        // The release went elsewhere (another window, the window manager's move loop): the
        // press is over.
        finish();
        return;
    }
    const QPoint pointer = event->globalPosition().toPoint();
    switch (m_state) {
    case State::Pressed:
        if ((pointer - m_pressAt).manhattanLength() >= QApplication::startDragDistance())
            beginMove(pointer);
        break;
    case State::Following:
        moveTo(pointer);
        break;
    case State::SystemMove:
    case State::Idle:
        break;
    }
}

void WindowDrag::mouseRelease(QMouseEvent* event)
{
    if (m_state == State::Idle)
        return;
    if (event && event->button() != m_button && (event->buttons() & m_button))
        return; // another button let go while the dragging one is still held
    if (m_state == State::Following && event)
        moveTo(event->globalPosition().toPoint());
    finish();
}

void WindowDrag::beginMove(const QPoint& globalPointer)
{
    // The window manager's move loop follows the left button only (openbox ignores a move begun
    // with another button); the other buttons drag through the fallback, as does a platform
    // without a window manager.
    // Both keep the bar where it would be had it followed the pointer from the press: the way
    // moved before the drag distance was reached counts.
    if (m_button == Qt::LeftButton && m_windowSystem && m_windowSystem->startSystemMove(&m_window, m_pressAt)) {
        // The window manager moves the window from here on, with the pointer where it was on the
        // window at the press; the new place is read back when it is needed.
        m_state = State::SystemMove;
        return;
    }
    m_state = State::Following;
    moveTo(globalPointer);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    // Only events for widgets: a mouse event reaches the window handle first and the widget after.
    if (m_state != State::Idle && watched->isWidgetType()) {
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

void WindowDrag::finish()
{
    if (m_state == State::Idle)
        return;
    qApp->removeEventFilter(this);
    m_state = State::Idle;
    m_button = Qt::NoButton;
    if (const std::function<void()> ended = std::exchange(m_pressEnded, {}))
        ended();
}

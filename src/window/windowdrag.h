#pragma once
// Moving the borderless bar by dragging its body.

#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;
class WindowSystem;
class QMouseEvent;

class WindowDrag : public QObject {
    Q_OBJECT

public:
    WindowDrag(QWidget& window, WindowSystem* windowSystem);
    ~WindowDrag() override;

    // A press of any button on the window's body (or the entry box). Nothing moves until the
    // pointer has gone past the platform's drag distance with the button held: a press and
    // release in one place is a click. Past it, the window manager moves the window until the
    // button is released (left button), or the window follows the pointer itself. pressEnded runs
    // once when the press is over, whether it was a click or a drag.
    void startDrag(QMouseEvent* press, std::function<void()> pressEnded = {});
    void mouseMove(QMouseEvent* event);
    void mouseRelease(QMouseEvent* event);

    // The window follows the pointer itself (no window manager took the move).
    bool isDragging() const { return m_state == State::Following; }
    // A press is under way: waiting for the pointer to move, or a move of either kind running.
    bool isPressed() const { return m_state != State::Idle; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class State { Idle, Pressed, SystemMove, Following };

    void beginMove(const QPoint& globalPointer);
    void moveTo(const QPoint& globalPointer);
    void finish();

    QWidget& m_window;
    WindowSystem* m_windowSystem;
    State m_state = State::Idle;
    Qt::MouseButton m_button = Qt::NoButton;
    QPoint m_pressAt;    // global pointer position of the press, in pixels
    QPoint m_grabOffset; // pointer minus window position, in pixels
    std::function<void()> m_pressEnded;
};

#pragma once
// Moving the borderless bar by dragging its body.

#include <QObject>
#include <QPoint>

class QWidget;
class WindowSystem;
class QMouseEvent;

class WindowDrag : public QObject {
    Q_OBJECT

public:
    WindowDrag(QWidget& window, WindowSystem* windowSystem);
    ~WindowDrag() override;

    // A press of any button on the window's body (or the entry box): the window manager moves the
    // window until the button is released.
    void startDrag(QMouseEvent* press);
    // Fallback moves when the window manager could not take the move.
    void mouseMove(QMouseEvent* event);
    void mouseRelease(QMouseEvent* event);

    bool isDragging() const { return m_dragging; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveTo(const QPoint& globalPointer);
    void stop();

    QWidget& m_window;
    WindowSystem* m_windowSystem;
    bool m_dragging = false;
    QPoint m_grabOffset; // pointer minus window position, in pixels
};

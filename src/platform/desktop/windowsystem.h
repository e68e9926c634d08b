#pragma once
// Window-system services the bar needs beyond plain Qt: the stacking order and keep-on-top,
// the skip-taskbar hint, and the window manager's move loop.

class QPoint;
class QWidget;

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Is the window the first (top-most) in the stacking order of ordinary windows?
    virtual bool isFirstInStackingOrder(QWidget* window) const = 0;
    virtual void setTopmost(QWidget* window, bool topmost) = 0;
    // Keeps the window off the taskbar and pager; call on every show.
    virtual void applySkipTaskbar(QWidget* window) = 0;
    // Hands the move to the window manager; false when it cannot (no WM, offscreen). pressedAt is
    // the pointer's global place at the press that began the drag: the window keeps its place
    // relative to it, so the way moved before the move was handed over is not lost.
    virtual bool startSystemMove(QWidget* window, const QPoint& pressedAt) = 0;
};

// X11 where available, plain Qt elsewhere.
class DesktopWindowSystem : public WindowSystem {
public:
    bool isFirstInStackingOrder(QWidget* window) const override;
    void setTopmost(QWidget* window, bool topmost) override;
    void applySkipTaskbar(QWidget* window) override;
    bool startSystemMove(QWidget* window, const QPoint& pressedAt) override;
};

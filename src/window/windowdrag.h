#pragma once
// Moving the borderless bar by dragging its body.

#include <QObject>

class frmMain;

class WindowDrag : public QObject {
    Q_OBJECT

public:
    explicit WindowDrag(frmMain& form);
    // A press on the window's body (or the entry box): starts the move.
    void startDrag(class QMouseEvent* press);
    // Fallback moves when the window manager could not take the move.
    void mouseMove(QMouseEvent* event);
    void mouseRelease(QMouseEvent* event);

private:
    frmMain& m_form;
};

#pragma once
// The three window heights: the bar grows and shrinks upwards, keeping its bottom edge.

#include "window/windowstate.h"

#include <QList>
#include <QObject>

class Guard;
class QToolButton;
class QWidget;

class WindowModes : public QObject {
    Q_OBJECT

public:
    WindowModes(QWidget& window, QToolButton* cmdState, WindowState& state, const Guard& guard);
    // The controls that move with the bar's top edge, and those of the quick-mail area.
    void setControls(QList<QWidget*> barControls, QList<QWidget*> mailControls);
    const QList<QWidget*>& barControls() const { return m_barControls; }
    const QList<QWidget*>& mailControls() const { return m_mailControls; }
    WindowState& state() { return m_state; }
    void cmdState_Click();
    void nextWindowMode();
    // Steps through the cycle until the window is in the target mode (a stored number, 1 to 3).
    void setWindowMode(int target);
    void setWindowMode(WindowMode target) { setWindowMode(int(target)); }
    void restoreRememberedMode();
    void hideMailControls();
    void showMailControls();

signals:
    // The mode changed (the window has its new height).
    void modeChanged(int mode);

private:
    QWidget& m_window;
    WindowState& m_state;
    QList<QWidget*> m_barControls;
    QList<QWidget*> m_mailControls;
};

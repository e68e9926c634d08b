#pragma once
// The keyboard's way through the bar: only the controls the user can see take the focus. The bar
// grows and shrinks upwards, so in the lower heights some controls lie outside the window while
// still being shown; Tab must not stop there.

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

class FocusOrder : public QObject {
    Q_OBJECT

public:
    // focusLost runs when the control holding the focus has gone out of sight.
    FocusOrder(QWidget& window, const QList<QWidget*>& controls, std::function<void()> focusLost);

    // After the window changed its height: controls out of sight leave the focus order, those
    // back in sight return to it.
    void update();

    static bool inSight(const QWidget* control, const QWidget* window);

private:
    QWidget& m_window;
    QHash<QWidget*, Qt::FocusPolicy> m_designed;
    std::function<void()> m_focusLost;
};

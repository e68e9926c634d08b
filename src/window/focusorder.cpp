#include "focusorder.h"

#include <QWidget>

FocusOrder::FocusOrder(QWidget& window, const QList<QWidget*>& controls, std::function<void()> focusLost)
    : m_window(window), m_focusLost(std::move(focusLost))
{
    for (QWidget* control : controls) {
        if (control && control->focusPolicy() != Qt::NoFocus)
            m_designed.insert(control, control->focusPolicy());
    }
}

bool FocusOrder::inSight(const QWidget* control, const QWidget* window)
{
    return !control->isHidden() && window->rect().contains(control->geometry());
}

void FocusOrder::update()
{
    bool lost = false;
    for (auto it = m_designed.cbegin(); it != m_designed.cend(); ++it) {
        QWidget* control = it.key();
        const bool seen = inSight(control, &m_window);
        control->setFocusPolicy(seen ? it.value() : Qt::NoFocus);
        if (!seen && control->hasFocus())
            lost = true;
    }
    if (lost && m_focusLost)
        m_focusLost();
}

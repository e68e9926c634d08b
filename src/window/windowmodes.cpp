#include "windowmodes.h"

#include "window/guard.h"
#include "window/modecycle.h"
#include "window/twips.h"
#include "window/windowposition.h"

#include <QToolButton>
#include <QWidget>

WindowModes::WindowModes(QWidget& window, QToolButton* cmdState, WindowState& state, const Guard& guard)
    : m_window(window), m_state(state)
{
    connect(cmdState, &QAbstractButton::clicked, this, [this, &guard] { guard.run([this] { cmdState_Click(); }); });
}

void WindowModes::setControls(QList<QWidget*> barControls, QList<QWidget*> mailControls)
{
    m_barControls = std::move(barControls);
    m_mailControls = std::move(mailControls);
}

void WindowModes::cmdState_Click()
{
    nextWindowMode();
}

void WindowModes::nextWindowMode()
{
    // A drag or the window manager may have moved the window since the last step.
    windowposition::syncTwipsFromWindow(&m_window);

    const int mode = modecycle::next(m_state.windowMode);
    const int shift = modecycle::shiftInto(mode);
    m_state.windowMode = mode;

    // Nothing is painted half-way: the controls move first, then the window takes its new top and
    // height in one change, which keeps its bottom edge where it was.
    const bool updates = m_window.updatesEnabled();
    m_window.setUpdatesEnabled(false);
    for (QWidget* control : std::as_const(m_barControls))
        twips::setTop(control, twips::top(control) + shift);
    if (modecycle::mailVisible(mode))
        showMailControls();
    else
        hideMailControls();
    const QRect window = twips::geometry(&m_window);
    const int bottom = window.y() + window.height();
    const int height = modecycle::height(mode);
    twips::setGeometry(&m_window, {window.x(), bottom - height, window.width(), height});
    m_window.setUpdatesEnabled(updates);
    emit modeChanged(mode);
}

void WindowModes::setWindowMode(int target)
{
    // Only the three modes of the cycle can be reached; anything else means the smallest.
    target = modecycle::orFirst(target);
    for (int step = 0; m_state.windowMode != target && step < modecycle::kLast; ++step)
        nextWindowMode();
}

void WindowModes::restoreRememberedMode()
{
    // Without a remembered mode (the full mode was reached with cmdState, or restored at start-up)
    // the bar goes back to its smallest mode.
    setWindowMode(m_state.rememberedMode.value_or(modecycle::kFirst));
}

void WindowModes::hideMailControls()
{
    for (QWidget* control : std::as_const(m_mailControls))
        control->setVisible(false);
}

void WindowModes::showMailControls()
{
    for (QWidget* control : std::as_const(m_mailControls))
        control->setVisible(true);
}

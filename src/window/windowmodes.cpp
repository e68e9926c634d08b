#include "windowmodes.h"

#include "window/frmmain.h"
#include "window/modecycle.h"
#include "window/twips.h"
#include "window/windowposition.h"

#include <QToolButton>

WindowModes::WindowModes(frmMain& form) : m_form(form)
{
    connect(m_form.cmdState, &QAbstractButton::clicked, this,
            [this] { m_form.runGuarded([this] { cmdState_Click(); }); });
}

void WindowModes::cmdState_Click()
{
    nextWindowMode();
}

void WindowModes::nextWindowMode()
{
    // A drag or the window manager may have moved the window since the last step.
    windowposition::syncTwipsFromWindow(&m_form);

    const int mode = modecycle::next(m_form.windowMode);
    const int shift = modecycle::shiftInto(mode);
    m_form.windowMode = mode;

    // Nothing is painted half-way: the controls move first, then the window takes its new top and
    // height in one change, which keeps its bottom edge where it was.
    const bool updates = m_form.updatesEnabled();
    m_form.setUpdatesEnabled(false);
    for (QWidget* control : std::as_const(m_form.barControls))
        twips::setTop(control, twips::top(control) + shift);
    if (modecycle::mailVisible(mode))
        showMailControls();
    else
        hideMailControls();
    const QRect window = twips::geometry(&m_form);
    const int bottom = window.y() + window.height();
    const int height = modecycle::height(mode);
    twips::setGeometry(&m_form, {window.x(), bottom - height, window.width(), height});
    m_form.setUpdatesEnabled(updates);
}

void WindowModes::setWindowMode(int target)
{
    // Only the three modes of the cycle can be reached; anything else means the smallest.
    target = modecycle::orFirst(target);
    for (int step = 0; m_form.windowMode != target && step < modecycle::kLast; ++step)
        nextWindowMode();
}

void WindowModes::restoreRememberedMode()
{
    // Without a remembered mode (the full mode was reached with cmdState, or restored at start-up)
    // the bar goes back to its smallest mode.
    setWindowMode(m_form.rememberedMode.value_or(modecycle::kFirst));
}

void WindowModes::hideMailControls()
{
    for (QWidget* control : std::as_const(m_form.mailControls))
        control->setVisible(false);
}

void WindowModes::showMailControls()
{
    for (QWidget* control : std::as_const(m_form.mailControls))
        control->setVisible(true);
}

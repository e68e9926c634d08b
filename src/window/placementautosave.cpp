#include "placementautosave.h"

#include "window/placement.h"
#include "window/windowmodes.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {
// A drag sends a move for every step; the place is written once the bar has come to rest.
constexpr int kDelay = 1000;
} // namespace

PlacementAutoSave::PlacementAutoSave(QWidget& window, WindowModes& modes, Placement& placement,
                                     std::function<bool()> keep)
    : m_window(window), m_placement(placement), m_keep(std::move(keep)), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(kDelay);
    // A bar hidden meanwhile (in the tray) stands where it was hidden; it is kept on the way out.
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_window.isVisible())
            saveNow();
    });
    connect(&modes, &WindowModes::modeChanged, m_timer, qOverload<>(&QTimer::start));
    m_window.installEventFilter(this);
}

void PlacementAutoSave::setDelay(int milliseconds)
{
    m_timer->setInterval(milliseconds);
}

void PlacementAutoSave::saveNow()
{
    m_timer->stop();
    // A maximized or minimized window is not where the bar stands (the bar answers both by going
    // back); a hidden one stands where it was hidden, minimized or not (the window manager's
    // minimize sends it to the tray, where it stays minimized until it comes back).
    const Qt::WindowStates away = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    if (!m_keep() || (m_window.isVisible() && (m_window.windowState() & away)))
        return;
    m_placement.savePlacement();
}

bool PlacementAutoSave::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::Move)
        m_timer->start();
    return QObject::eventFilter(watched, event);
}

#include "framecentring.h"

#include "desktop/x11.h"

#include <QDeadlineTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace framecentring {
namespace {

// How long to wait for the window manager to say which frame it will draw.
constexpr int kFrameAnswerMs = 250;

// Asks the window manager for the frame of a window it has not mapped yet, and waits a moment for
// the answer.
std::optional<QMargins> askFrame(WId w)
{
    if (!x11::requestFrameExtents(w))
        return std::nullopt;
    // The answer is a property on the window; the window manager sets it within a few milliseconds.
    const QDeadlineTimer deadline(kFrameAnswerMs);
    for (;;) {
        if (const std::optional<QMargins> frame = x11::frameExtents(w))
            return frame;
        if (deadline.hasExpired())
            return std::nullopt;
        QThread::msleep(2);
    }
}

// Puts the window's inner area at the point. move() takes the frame's place as Qt knows the frame
// (none before the window is first shown).
void placeInner(QWidget* window, const QPoint& inner)
{
    window->move(inner - (window->geometry().topLeft() - window->pos()));
}

// Moves the window so that its frame is centred, when the frame it got differs from the one it was
// placed by and it still stands where it was put.
class FrameCheck : public QObject {
public:
    FrameCheck(QWidget* window, const QMargins& assumed, const QPoint& placed)
        : QObject(window), m_window(window), m_assumed(assumed), m_placed(placed)
    {
        window->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && m_window && m_window->isVisible()) {
            watched->removeEventFilter(this);
            const std::optional<QMargins> frame =
                x11::isAvailable() ? x11::frameExtents(m_window->winId()) : std::nullopt;
            if (frame && *frame != m_assumed && m_window->geometry().topLeft() == m_placed) {
                if (const QScreen* screen = QGuiApplication::primaryScreen())
                    placeInner(m_window, centredPosition(screen->geometry(), m_window->size(), *frame));
            }
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> m_window;
    QMargins m_assumed;
    QPoint m_placed;
};

} // namespace

QPoint centredPosition(const QRect& area, const QSize& inner, const QMargins& frame)
{
    const int outerWidth = inner.width() + frame.left() + frame.right();
    const int outerHeight = inner.height() + frame.top() + frame.bottom();
    const int left = area.x() + (area.width() - outerWidth) / 2;
    const int top = area.y() + std::max(0, (area.height() - outerHeight) / 2);
    return {left + frame.left(), top + frame.top()};
}

QMargins frameOf(QWidget* window)
{
    if (!x11::isAvailable())
        return {};
    const WId w = window->winId();
    if (const std::optional<QMargins> frame = x11::frameExtents(w))
        return *frame;
    if (window->isVisible())
        return {};
    return askFrame(w).value_or(QMargins());
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins frame = frameOf(window);
    const QPoint place = centredPosition(screen->geometry(), window->size(), frame);
    placeInner(window, place);
    if (!window->isVisible() && window->windowHandle() && x11::isAvailable())
        new FrameCheck(window, frame, place);
}

} // namespace framecentring

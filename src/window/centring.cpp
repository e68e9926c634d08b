#include "centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

namespace centring {
namespace {

void centreNow(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QRect frame = window->frameGeometry();
    const QPoint frameTopLeft(area.x() + (area.width() - frame.width()) / 2,
                              area.y() + (area.height() - frame.height()) / 2);
    // A window's position is that of its frame.
    window->move(frameTopLeft);
}

QMargins frameMargins(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// Waits for the frame: the window manager adds it once the window is shown, the sides and the
// title bar not always at once, and may settle the size after that. The window is centred again
// whenever its frame changes, until it is hidden; a move by the user leaves the frame as it is.
class FrameWatch : public QObject {
public:
    explicit FrameWatch(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Hide) {
            window->removeEventFilter(this);
            deleteLater();
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && window->isVisible() &&
                   (frameMargins(window) != m_margins || window->frameGeometry().size() != m_size)) {
            m_margins = frameMargins(window);
            m_size = window->frameGeometry().size();
            centreNow(window);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QMargins m_margins;
    QSize m_size;
};

} // namespace

void centreOnScreen(QWidget* window)
{
    centreNow(window);
    if (!window->isVisible() && !window->findChild<FrameWatch*>(QString(), Qt::FindDirectChildrenOnly))
        new FrameWatch(window);
}

} // namespace centring

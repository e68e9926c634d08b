#include "windowposition.h"

#include "window/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace windowposition {
namespace {

QRect inTwips(const QRect& px)
{
    return {twips::fromPixels(px.x()), twips::fromPixels(px.y()), twips::fromPixels(px.width()),
            twips::fromPixels(px.height())};
}

} // namespace

void syncTwipsFromWindow(QWidget* window)
{
    QRect kept = twips::geometry(window);
    const QPoint real = window->geometry().topLeft();
    if (twips::toPixels(kept).topLeft() == real)
        return;
    kept.moveTopLeft({twips::fromPixels(real.x()), twips::fromPixels(real.y())});
    twips::setGeometry(window, kept);
}

QRect primaryScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? inTwips(screen->geometry()) : QRect();
}

QList<QRect> screens()
{
    QList<QRect> result;
    for (const QScreen* screen : QGuiApplication::screens())
        result.append(inTwips(screen->geometry()));
    return result;
}

} // namespace windowposition

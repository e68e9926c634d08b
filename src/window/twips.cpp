#include "twips.h"

#include <QVariant>
#include <QWidget>

#include <cmath>

namespace twips {
namespace {
const char* const kProperty = "twipsGeometry";
}

int toPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kPerPixel));
}

int fromPixels(int pixels)
{
    return pixels * kPerPixel;
}

QRect toPixels(const QRect& r)
{
    // Edges are rounded, not sizes, so that neighbouring controls meet as designed.
    const int left = toPixels(r.x());
    const int top = toPixels(r.y());
    return {left, top, toPixels(r.x() + r.width()) - left, toPixels(r.y() + r.height()) - top};
}

void setGeometry(QWidget* widget, const QRect& twipsRect)
{
    widget->setProperty(kProperty, twipsRect);
    const QRect px = toPixels(twipsRect);
    if (!widget->isWindow()) {
        widget->setGeometry(px);
        return;
    }
    // A window's size is the program's alone: the window manager gets a minimum equal to the
    // maximum, so it offers no resizing or maximizing. The bounds first open to take both the old
    // and the new size, so that the change is one move and resize, not a resize and then a move.
    const QSize old = widget->size();
    widget->setMinimumSize(old.boundedTo(px.size()));
    widget->setMaximumSize(old.expandedTo(px.size()));
    widget->setGeometry(px);
    widget->setFixedSize(px.size());
}

QRect geometry(const QWidget* widget)
{
    const QVariant stored = widget->property(kProperty);
    if (stored.isValid())
        return stored.toRect();
    const QRect px = widget->geometry();
    return {fromPixels(px.x()), fromPixels(px.y()), fromPixels(px.width()), fromPixels(px.height())};
}

void setTop(QWidget* widget, int top)
{
    QRect r = geometry(widget);
    r.moveTop(top);
    setGeometry(widget, r);
}

int top(const QWidget* widget)
{
    return geometry(widget).y();
}

} // namespace twips

#pragma once
// Positions and sizes are kept in twips (1440 to the inch). At 96 logical dots per inch a logical
// pixel is 15 twips; Qt scales logical pixels for HiDPI screens.

#include <QRect>

class QWidget;

namespace twips {

inline constexpr int kPerPixel = 15;

int toPixels(int twips);
int fromPixels(int pixels);
QRect toPixels(const QRect& twipsRect);

// A control's rectangle in twips. It is kept on the widget, so that shifts of a few twips
// accumulate exactly, and the pixel geometry follows it. A window gets its size fixed as well.
void setGeometry(QWidget* widget, const QRect& twipsRect);
QRect geometry(const QWidget* widget);
void setTop(QWidget* widget, int top);
int top(const QWidget* widget);

} // namespace twips

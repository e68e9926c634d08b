#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace contrast {
namespace {

double channel(double value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    const QColor c = colour.toRgb();
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

} // namespace

double ratio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor textOn(const QColor& background, const QColor& themeText)
{
    if (themeText.isValid() && ratio(background, themeText) >= kReadable)
        return themeText;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ratio(background, black) >= ratio(background, white) ? black : white;
}

} // namespace contrast

#include "countlabel.h"

#include "window/layout.h"
#include "window/twips.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace countlabel {
namespace {

constexpr double kSmallestPointSize = 5.0;

int designedWidth(const QLabel* label)
{
    for (const layout::Control& c : layout::controls()) {
        if (c.name == label->objectName())
            return c.rect.width();
    }
    return twips::geometry(label).width();
}

int textWidthInTwips(const QFont& font, const QString& text)
{
    // A pixel to spare on each side, so that the last digit is never clipped.
    return twips::fromPixels(QFontMetrics(font).horizontalAdvance(text) + 2);
}

} // namespace

void show(QLabel* label, const QString& text)
{
    QRect kept = twips::geometry(label);
    const int room = kRightLimit - kept.x();
    QFont font = label->parentWidget() ? label->parentWidget()->font() : label->font();
    while (textWidthInTwips(font, text) > room && font.pointSizeF() > kSmallestPointSize)
        font.setPointSizeF(std::max(kSmallestPointSize, font.pointSizeF() - 0.5));
    label->setFont(font);
    label->setText(text);
    kept.setWidth(std::clamp(textWidthInTwips(font, text), designedWidth(label), std::max(room, designedWidth(label))));
    twips::setGeometry(label, kept);
}

} // namespace countlabel

#include "placementrules.h"

#include "window/modecycle.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace placementrules {
namespace {

// Far beyond any desktop, small enough for int arithmetic on edges.
constexpr double kLimit = 1.0e8;

int toTwips(double value)
{
    return static_cast<int>(std::lround(std::clamp(value, -kLimit, kLimit)));
}

int valueOr(const std::optional<QString>& text, int fallback)
{
    if (!text)
        return fallback;
    const std::optional<double> n = number(*text);
    return n ? toTwips(*n) : fallback;
}

int modeOf(const std::optional<QString>& text)
{
    const std::optional<double> n = text ? number(*text) : std::optional<double>();
    if (!n || *n != std::floor(*n))
        return modecycle::kFirst;
    return modecycle::orFirst(static_cast<int>(std::clamp(*n, -kLimit, kLimit)));
}

bool onSomeScreen(const QRect& window, const Screens& screens)
{
    return std::any_of(screens.all.cbegin(), screens.all.cend(),
                       [&window](const QRect& screen) { return screen.intersects(window); });
}

} // namespace

std::optional<double> number(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QRect rectangle(const Placement& placement, int windowWidth)
{
    const int height = modecycle::height(placement.mode);
    return {placement.left, placement.bottom - height, windowWidth, height};
}

Placement restore(const Stored& stored, const Screens& screens, int windowWidth)
{
    const QRect& primary = screens.primary;
    const int screenRight = primary.x() + primary.width();
    const int screenBottom = primary.y() + primary.height();

    Placement p;
    p.bottom = valueOr(stored.bottom, primary.y() + primary.height() / 2);
    p.left = valueOr(stored.left, primary.x() + primary.width() / 2);
    p.left = std::min(p.left, screenRight - windowWidth);
    p.bottom = std::min(p.bottom, screenBottom);
    p.mode = modeOf(stored.mode);

    // A place only an unplugged monitor showed: bring the bar back where it can be seen.
    if (!screens.all.isEmpty() && !onSomeScreen(rectangle(p, windowWidth), screens)) {
        p.left = std::clamp(p.left, primary.x(), std::max(primary.x(), screenRight - windowWidth));
        p.bottom = std::clamp(p.bottom, primary.y() + modecycle::height(p.mode), screenBottom);
    }
    return p;
}

} // namespace placementrules

#pragma once
// A window system that records what the bar asks of it.

#include "desktop/windowsystem.h"

#include <QStringList>

namespace fake {

class FakeWindowSystem : public WindowSystem {
public:
    bool firstInStackingOrder = false;
    bool systemMoveWorks = false;
    QStringList log;

    bool isFirstInStackingOrder(QWidget*) const override { return firstInStackingOrder; }
    void setTopmost(QWidget*, bool topmost) override
    {
        log.append(topmost ? QStringLiteral("topmost") : QStringLiteral("not topmost"));
    }
    void applySkipTaskbar(QWidget*) override { log.append(QStringLiteral("skip taskbar")); }
    bool startSystemMove(QWidget*, const QPoint&) override
    {
        log.append(QStringLiteral("system move"));
        return systemMoveWorks;
    }
};

} // namespace fake

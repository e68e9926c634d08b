#include "lifetime.h"

#include <QCoreApplication>
#include <QSet>
#include <QTimer>

namespace lifetime {
namespace {
QSet<const QWidget*>& windows()
{
    static QSet<const QWidget*> set;
    return set;
}
} // namespace

void loaded(QWidget* window)
{
    windows().insert(window);
}

void unloaded(QWidget* window)
{
    if (!windows().remove(window))
        return;
    if (windows().isEmpty()) {
        // Quit once the event that unloaded the window has been handled.
        QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::quit(); });
    }
}

bool isLoaded(const QWidget* window)
{
    return windows().contains(window);
}

} // namespace lifetime

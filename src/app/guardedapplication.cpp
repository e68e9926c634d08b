#include "guardedapplication.h"

#include "contactclient/errors.h"
#include "window/errorreport.h"

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const contactclient::AutomationError& e) {
        reportError(nullptr, e.number(), e.description());
    } catch (const std::exception& e) {
        reportError(nullptr, errUnexpected, QString::fromUtf8(e.what()));
    } catch (...) {
        reportError(nullptr, errUnexpected, QStringLiteral("An unknown failure."));
    }
    return false;
}

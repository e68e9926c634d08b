#include "guardedapplication.h"

#include "contactclient/errors.h"
#include "window/errorreport.h"

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const contactclient::Failure failure = contactclient::describeFailure(std::current_exception());
        reportError(nullptr, failure.number, failure.description);
    }
    return false;
}

#include "guard.h"

#include "contactclient/errors.h"

void Guard::run(const std::function<void()>& handler) const
{
    try {
        handler();
    } catch (...) {
        const contactclient::Failure failure = contactclient::describeFailure(std::current_exception());
        report(failure.number, failure.description);
    }
}

void Guard::report(int number, const QString& description) const
{
    if (m_report)
        m_report(number, description);
}

#include "guard.h"

#include "contactclient/errors.h"

void Guard::run(const std::function<void()>& handler) const
{
    try {
        handler();
    } catch (const contactclient::AutomationError& e) {
        report(e.number(), e.description());
    } catch (const std::exception& e) {
        report(contactclient::errUnexpected, QString::fromUtf8(e.what()));
    } catch (...) {
        report(contactclient::errUnexpected, QStringLiteral("An unknown failure."));
    }
}

void Guard::report(int number, const QString& description) const
{
    if (m_report)
        m_report(number, description);
}

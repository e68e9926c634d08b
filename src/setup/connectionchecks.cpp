#include "connectionchecks.h"

namespace setup {

CheckResult testCardDavConnection(const SetupSettings& settings, const QString& password)
{
    Q_UNUSED(settings);
    Q_UNUSED(password);
    return {false, QStringLiteral("Testing a CardDAV connection is not available in this build.")};
}

CheckResult sendTestMessage(const SetupSettings& settings, const QString& password)
{
    Q_UNUSED(settings);
    Q_UNUSED(password);
    return {false, QStringLiteral("Sending a test message is not available in this build.")};
}

} // namespace setup

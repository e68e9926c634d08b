#pragma once
// "Test connection" and "Send a test message to myself". Both block until they have an answer;
// the window runs them on a worker thread. They work on a copy of the settings, never on the store.

#include "setup/setupsettings.h"

#include <QString>

namespace setup {

struct CheckResult {
    bool ok = false;
    QString message; // for the user, in either case
};

CheckResult testCardDavConnection(const SetupSettings& settings, const QString& password);
CheckResult sendTestMessage(const SetupSettings& settings, const QString& password);

} // namespace setup
